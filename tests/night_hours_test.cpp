// The night hours: the stored times of day and the window between them.
#include "clock/night_hours.h"

#include <gtest/gtest.h>

namespace hv {
namespace {

TEST(NightHours, ReadsOnlyTimesOfDay)
{
    EXPECT_EQ(parseClockTime("22:00"), 22 * 60);
    EXPECT_EQ(parseClockTime("06:05"), 6 * 60 + 5);
    EXPECT_EQ(parseClockTime("6:05"), 6 * 60 + 5);
    EXPECT_EQ(parseClockTime("23:59"), kMinutesPerDay - 1);
    for (const char* bad : {"", "24:00", "12:60", "12", "12:5", "123:00", ":30", "12:30 ", "1a:00", "-1:00", "12:3x"})
        EXPECT_FALSE(parseClockTime(bad)) << bad;
}

TEST(NightHours, SpansMidnightWhenTheStartIsLater)
{
    const int ten = 22 * 60, six = 6 * 60;
    EXPECT_TRUE(insideNight(ten, ten, six));
    EXPECT_TRUE(insideNight(0, ten, six));
    EXPECT_FALSE(insideNight(six, ten, six));
    EXPECT_FALSE(insideNight(12 * 60, ten, six));
    EXPECT_TRUE(insideNight(12 * 60, six, ten));
    EXPECT_FALSE(insideNight(0, six, ten));
    EXPECT_FALSE(insideNight(six, six, six));
}

} // namespace
} // namespace hv
