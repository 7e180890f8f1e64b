#pragma once

#include "tools/sim/SimClock.h"

#include <string>

namespace mk21::sim {

// The simulator's account of what it did, on stderr, each line stamped with milliseconds since start.
class SimLog {
public:
    explicit SimLog(bool verbose) : verbose_(verbose), start_(MonotonicNow()) {}

    // Only with --verbose.
    void Note(const std::string& text) const
    {
        if (verbose_)
            Always(text);
    }
    // Errors and the facts needed to replay a run.
    void Always(const std::string& text) const;

private:
    bool verbose_;
    Nanos start_;
};

} // namespace mk21::sim
