#pragma once

#include <cstdint>
#include <ctime>

namespace mk21::sim {

// Nanoseconds on the monotonic clock; every deadline of the simulator is one of these.
using Nanos = std::int64_t;

constexpr Nanos NanosPerMilli = 1'000'000;
constexpr Nanos NanosPerSecond = 1'000'000'000;

Nanos MonotonicNow();
timespec ToTimespec(Nanos t);

} // namespace mk21::sim
