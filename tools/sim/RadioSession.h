#pragma once

#include "tools/sim/FaultPlan.h"
#include "tools/sim/RadioFrames.h"
#include "tools/sim/RadioResponder.h"
#include "tools/sim/RequestParser.h"
#include "tools/sim/SimClock.h"

#include <string>

namespace mk21::sim {

// What the radio does about one request.
struct Outcome {
    Bytes reply;         // what goes on the line, possibly nothing
    Nanos delay = 0;     // extra wait before the reply starts
    bool hangUp = false; // hang up once the reply has left
    bool saveMemory = false;
    std::string log; // one line telling what happened
};

// Turns each request into the radio's reply, with the planned faults applied.
class RadioSession {
public:
    RadioSession(RadioResponder& responder, FaultPlan& faults, int delayMs)
        : responder_(responder), faults_(faults), delay_(Nanos{delayMs} * NanosPerMilli)
    {
    }

    Outcome Handle(const Request& request);
    bool ProgramMode() const { return responder_.ProgramMode(); }

private:
    RadioResponder& responder_;
    FaultPlan& faults_;
    Nanos delay_;
    int blocksServed_ = 0;
};

std::string DescribeRequest(const Request& request);
std::string HexBytes(const Bytes& bytes);

} // namespace mk21::sim
