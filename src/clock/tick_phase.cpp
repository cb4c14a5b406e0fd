#include "clock/tick_phase.h"

#include <chrono>

namespace hv {

std::int64_t msToNextWholeSecond(std::int64_t nowMs, int minGapMs)
{
    const std::int64_t earliest = nowMs + minGapMs - kTickLandingMs;
    // Ceiling division, correct for negative times as well.
    std::int64_t second = earliest / 1000;
    if (second * 1000 < earliest)
        ++second;
    return second * 1000 + kTickLandingMs - nowMs;
}

int msToNextTick(bool first)
{
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<int>(msToNextWholeSecond(now, first ? kFirstTickGapMs : kNextTickGapMs));
}

} // namespace hv
