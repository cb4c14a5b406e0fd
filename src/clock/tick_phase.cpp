#include "clock/tick_phase.h"

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

} // namespace hv
