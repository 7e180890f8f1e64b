#pragma once

#include "tools/sim/RadioFrames.h"
#include "tools/sim/RadioResponder.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace mk21::sim {

enum class FaultKind { Drop, Checksum, Address, Garbage, Delay, Resend, Corrupt };
constexpr std::array<FaultKind, 7> AllFaultKinds{FaultKind::Drop,    FaultKind::Checksum, FaultKind::Address,
                                                 FaultKind::Garbage, FaultKind::Delay,    FaultKind::Resend,
                                                 FaultKind::Corrupt};

const char* FaultName(FaultKind kind);

// The faults chosen for one reply.
class FaultSet {
public:
    void Add(FaultKind kind) { bits_ |= Bit(kind); }
    bool Has(FaultKind kind) const { return (bits_ & Bit(kind)) != 0; }
    bool Empty() const { return bits_ == 0; }

private:
    static unsigned Bit(FaultKind kind) { return 1u << static_cast<unsigned>(kind); }
    unsigned bits_ = 0;
};

// The faults to inject, as given by --fault options, and the seeded choice for each reply.
// Forms: KIND:RATE (each eligible reply with that probability), KIND@N (the Nth eligible reply,
// counted over the run), KIND@addr=A (the next block request for address A), hangup-after:K,
// silent.
class FaultPlan {
public:
    bool AddFault(const QString& fault, QString& error);
    void SetSeed(std::uint64_t seed) { rng_.seed(seed); }
    bool HasRates() const { return !rates_.empty(); }
    bool Silent() const { return silent_; }
    std::optional<int> HangUpAfter() const { return hangUpAfter_; }

    // Decides the faults for a reply of the given kind to a request for the given block
    // address (-1 for a request that names none).
    FaultSet Decide(ReplyKind kind, int address);
    // Random bytes that no reply matcher can take for a reply.
    Bytes Garbage(std::size_t length);

private:
    struct Rate {
        FaultKind kind;
        double rate;
    };
    struct OneShot {
        FaultKind kind;
        int nth = 0;      // 0: triggered by address instead
        int address = -1; // -1: triggered by count instead
        bool used = false;
    };
    static bool Eligible(FaultKind fault, ReplyKind reply);
    double Draw();

    std::vector<Rate> rates_;
    std::vector<OneShot> shots_;
    std::array<int, AllFaultKinds.size()> eligibleCounts_{};
    std::mt19937_64 rng_{1};
    bool silent_ = false;
    std::optional<int> hangUpAfter_;
};

} // namespace mk21::sim
