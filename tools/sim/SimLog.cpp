#include "tools/sim/SimLog.h"

#include <cstdio>

namespace mk21::sim {

void SimLog::Always(const std::string& text) const
{
    const double ms = static_cast<double>(MonotonicNow() - start_) / static_cast<double>(NanosPerMilli);
    std::fprintf(stderr, "mk21sim %10.3f %s\n", ms, text.c_str());
}

} // namespace mk21::sim
