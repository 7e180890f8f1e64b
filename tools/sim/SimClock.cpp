#include "tools/sim/SimClock.h"

namespace mk21::sim {

Nanos MonotonicNow()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return Nanos{ts.tv_sec} * NanosPerSecond + ts.tv_nsec;
}

timespec ToTimespec(Nanos t)
{
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(t / NanosPerSecond);
    ts.tv_nsec = static_cast<long>(t % NanosPerSecond);
    return ts;
}

} // namespace mk21::sim
