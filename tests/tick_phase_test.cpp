// Where the drawing tick is aimed: 2 ms past a whole second of the wall
// clock, never nearer than the gap asked for.
#include "clock/tick_phase.h"

#include <gtest/gtest.h>

namespace hv {
namespace {

constexpr std::int64_t kSecond = 1'700'000'000'000; // a whole second, in ms since the epoch

std::int64_t msIntoSecond(std::int64_t ms) { return ((ms % 1000) + 1000) % 1000; }

TEST(TickPhase, AimsAtTheNextLandingPointFarEnoughAway)
{
    const struct {
        const char* what;
        std::int64_t now;
        int gap;
        std::int64_t delay;
    } cases[] = {
        {"fired on time", kSecond + 2, kNextTickGapMs, 1000},
        {"fired late", kSecond + 40, kNextTickGapMs, 962},
        {"fired early, still before the second", kSecond + 999, kNextTickGapMs, 1003},
        {"fired just before landing", kSecond, kNextTickGapMs, 1002},
        {"exactly the gap before a landing", kSecond + 802, kNextTickGapMs, 200},
        {"a millisecond short of the gap", kSecond + 803, kNextTickGapMs, 1199},
        {"first tick, early in a second", kSecond + 100, kFirstTickGapMs, 902},
        {"first tick, late in a second", kSecond + 600, kFirstTickGapMs, 1402},
        {"before the epoch", -1500, kNextTickGapMs, 502},
    };
    for (const auto& c : cases)
        EXPECT_EQ(msToNextWholeSecond(c.now, c.gap), c.delay) << c.what;
}

TEST(TickPhase, AlwaysLandsTwoMillisecondsPastASecondWithinOneSecondOfTheGap)
{
    for (int gap : {kFirstTickGapMs, kNextTickGapMs}) {
        for (std::int64_t now = kSecond - 1000; now < kSecond + 1000; ++now) {
            const std::int64_t delay = msToNextWholeSecond(now, gap);
            ASSERT_GE(delay, gap) << now;
            ASSERT_LT(delay, gap + 1000) << now;
            ASSERT_EQ(msIntoSecond(now + delay), kTickLandingMs) << now;
        }
    }
}

} // namespace
} // namespace hv
