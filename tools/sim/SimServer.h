#pragma once

#include "tools/sim/LineModel.h"
#include "tools/sim/PseudoTerminal.h"
#include "tools/sim/RadioSession.h"
#include "tools/sim/RequestParser.h"
#include "tools/sim/SimClock.h"
#include "tools/sim/SimLog.h"
#include "tools/sim/UniqueFd.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace mk21::sim {

// Serves the radio on the pseudo-terminal: times every byte as the serial line would, echoes
// like the cable, hands requests to the session and sends its replies, until a stop signal or
// the hang-up fault.
class SimServer {
public:
    struct Setup {
        bool echo = false;
        int baud = 9600; // 0: no pacing
    };

    SimServer(PseudoTerminal& pty, RadioSession& session, UniqueFd stopSignals, Setup setup,
              const SimLog& log, std::function<void()> saveMemory);

    // Returns the exit code.
    int Run();

private:
    struct Arrival {
        Nanos at;
        std::uint8_t byte;
    };
    struct Pending {
        Bytes bytes;
        bool hangUp = false;
    };
    struct Departure {
        Nanos at;
        std::uint8_t byte;
    };

    void ProcessEvents(Nanos now);
    void Receive(std::uint8_t byte, Nanos at);
    void DrainRequests(Nanos at);
    void Send(const Bytes& bytes, Nanos readyAt, bool hangUp);
    bool Transmit(Nanos now);
    bool ReadInput(Nanos now);
    bool HangUpDue(Nanos now) const;
    Nanos FrameGapDeadline() const { return lastArrival_ + frameGap_; }
    std::optional<Nanos> NextDeadline(Nanos now) const;
    bool ArmTimer(std::optional<Nanos> deadline);

    PseudoTerminal& pty_;
    RadioSession& session_;
    UniqueFd signals_;
    UniqueFd timer_;
    bool echo_;
    LineModel line_;
    const SimLog& log_;
    std::function<void()> saveMemory_;

    RequestParser parser_;
    std::deque<Arrival> inbound_;
    std::multimap<Nanos, Pending> pending_;
    std::deque<Departure> outbound_;
    Nanos lastArrival_ = 0;
    Nanos frameGap_;
    std::optional<Nanos> hangUpAt_;
    bool writeBlocked_ = false;
};

} // namespace mk21::sim
