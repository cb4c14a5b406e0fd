// The path screen care walks the dial along, a step a minute.
#include "clock/frame_look.h"
#include "clock/night_hours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

namespace hv {
namespace {

TEST(ScreenCare, StepsOnePixelAMinuteWithinFourAndCoversEveryOffsetInTwoHours)
{
    std::set<std::pair<int, int>> seen;
    // Midnight is a step like any other.
    DialOffset last = screenCareOffset(kMinutesPerDay - 1);
    for (int minute = 0; minute < kMinutesPerDay; ++minute) {
        const DialOffset at = screenCareOffset(minute);
        EXPECT_LE(std::max(std::abs(at.x), std::abs(at.y)), 4) << minute;
        EXPECT_EQ(std::abs(at.x - last.x) + std::abs(at.y - last.y), 1) << minute;
        if (minute < 120)
            seen.emplace(at.x, at.y);
        last = at;
    }
    EXPECT_EQ(seen.size(), 81u);
}

} // namespace
} // namespace hv
