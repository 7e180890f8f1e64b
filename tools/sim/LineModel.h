#pragma once

#include "tools/sim/SimClock.h"

#include <algorithm>

namespace mk21::sim {

// The serial line's timing at 8N1 (10 bits a byte): when a byte from the program has finished
// arriving, and when a byte sent to it has finished leaving. Baud 0 means no pacing.
class LineModel {
public:
    explicit LineModel(int baud) : byteTime_(baud > 0 ? (10 * NanosPerSecond + baud / 2) / baud : 0) {}

    Nanos ByteTime() const { return byteTime_; }
    // A byte seen on the port at readTime has arrived once the bytes before it and its own ten
    // bits have passed.
    Nanos Arrival(Nanos readTime)
    {
        rxFree_ = std::max(readTime, rxFree_) + byteTime_;
        return rxFree_;
    }
    // A byte ready to go at readyTime has left once the line is free and its ten bits have passed.
    Nanos Departure(Nanos readyTime)
    {
        txFree_ = std::max(readyTime, txFree_) + byteTime_;
        return txFree_;
    }

private:
    Nanos byteTime_;
    Nanos rxFree_ = 0;
    Nanos txFree_ = 0;
};

} // namespace mk21::sim
