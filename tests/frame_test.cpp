// One frame of the clock, as the drawing calls that reach the canvas.
#include "clock/frame.h"
#include "drawing/recording_canvas.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hv {
namespace {

using Ops = std::vector<std::string>;

constexpr double kHour = 3600;

struct FrameFixture : testing::Test {
    MemorySettingsStore store;

    // Draws one frame on a fresh window of the given client size.
    Ops frame(double t, int width = 1920, int height = 1080, Colour background = kBlack)
    {
        RecordingCanvas canvas(width, height);
        Surface surface(canvas, kButtonText);
        const ClockGeometry g = geometryFor(width, height);
        ClockPainter(surface, g, store).draw(t, background);
        return canvas.ops();
    }
};

TEST(HandAngles, HourWrapsAtThirteen)
{
    const struct {
        const char* what;
        double t;
        double hour, minute, second;
    } cases[] = {
        {"00:00:00", 0, 0, 0, 0},
        {"03:00:00", 3 * kHour, 90, 0, 0},
        {"03:45:00", 3.75 * kHour, 112.5, 270, 0},
        {"12:00:00", 12 * kHour, 360, 0, 0},
        {"13:00:00", 13 * kHour, 30, 0, 0},
        {"23:30:00", 23.5 * kHour, 345, 180, 0},
        // Every hand keeps the fraction of its unit.
        {"10:15:30.5", 10 * kHour + 15 * 60 + 30.5, 36930.5 / 120, 93.05, 183},
    };
    for (const auto& c : cases) {
        const HandAngles a = handAngles(c.t);
        EXPECT_NEAR(a.hour, c.hour, 1e-9) << c.what;
        EXPECT_NEAR(a.minute, c.minute, 1e-9) << c.what;
        EXPECT_NEAR(a.second, c.second, 1e-9) << c.what;
    }
}

TEST_F(FrameFixture, WipesThenDialThenHoursMinutesAndSecondsOnTop)
{
    // 03:00:00 on 1920 x 1080 with no colour stored: white on black.
    const Ops expected = {
        "cls color=0",
        "circle 960 540 535 width=3 pen=16777215 fill=0",
        "circle 960 540 5 width=1 pen=16777215 fill=16777215",
        "print 1476.654 530.5 3 color=16777215",
        "print 955.5 1051.654 6 color=16777215",
        "print 434.346 530.5 9 color=16777215",
        "print 951 9.346 12 color=16777215",
        "polyline 1188 146 1228 77 width=2 pen=16777215",
        "polyline 1354 312 1423 272 width=2 pen=16777215",
        "polyline 1354 768 1423 808 width=2 pen=16777215",
        "polyline 1188 934 1228 1003 width=2 pen=16777215",
        "polyline 732 934 692 1003 width=2 pen=16777215",
        "polyline 566 768 497 808 width=2 pen=16777215",
        "polyline 566 312 497 272 width=2 pen=16777215",
        "polyline 732 146 692 77 width=2 pen=16777215",
        "polygon 985 540 990 530 1254 538 1254 542 990 550 width=1 pen=16777215 fill=16777215",
        "polygon 960 515 954 510 958 107 962 107 966 510 width=1 pen=16777215 fill=16777215",
        "polygon 960 515 956 510 958 85 962 85 964 510 width=1 pen=16777215 fill=16777215",
    };
    EXPECT_EQ(frame(3 * kHour), expected);
}

TEST_F(FrameFixture, HourHandPolygonForTheTime)
{
    const std::string twelve = "polygon 960 515 950 510 958 246 962 246 970 510";
    const struct {
        const char* what;
        double t;
        std::string hourPolygon;
    } cases[] = {
        {"03:00:00", 3 * kHour, "polygon 985 540 990 530 1254 538 1254 542 990 550"},
        {"12:00:00", 12 * kHour, twelve},
        {"00:00:00", 0, twelve},
        {"21:00:00", 21 * kHour, "polygon 935 540 930 550 666 542 666 538 930 530"},
    };
    for (const auto& c : cases) {
        const Ops ops = frame(c.t);
        ASSERT_EQ(ops.size(), 18u) << c.what;
        EXPECT_EQ(ops[15].substr(0, ops[15].find(" width")), c.hourPolygon) << c.what;
    }
}

TEST_F(FrameFixture, EverythingButTheDiscTakesTheStoredClockColour)
{
    store.write(settings::kClockColour, "255");
    const Colour background = 0x123456;
    const Ops ops = frame(3 * kHour, 1920, 1080, background);
    ASSERT_EQ(ops.size(), 18u);
    EXPECT_EQ(ops[0], "cls color=" + std::to_string(background));
    EXPECT_EQ(ops[1], "circle 960 540 535 width=3 pen=255 fill=" + std::to_string(background));
    for (std::size_t i = 2; i < ops.size(); ++i) {
        EXPECT_EQ(ops[i].find("16777215"), std::string::npos) << ops[i];
        EXPECT_NE(ops[i].find("=255"), std::string::npos) << ops[i];
    }
}

TEST_F(FrameFixture, ClockColourThatIsNoNumberStopsTheFrameAfterTheWipe)
{
    for (const char* stored : {"abc", ""}) {
        store.write(settings::kClockColour, stored);
        RecordingCanvas canvas(1920, 1080);
        Surface surface(canvas, kButtonText);
        const ClockGeometry g = geometryFor(1920, 1080);
        try {
            ClockPainter(surface, g, store).draw(3 * kHour, kBlack);
            ADD_FAILURE() << "no error for \"" << stored << '"';
        } catch (const RuntimeError& e) {
            EXPECT_STREQ(e.what(), "Type mismatch");
        }
        EXPECT_EQ(canvas.ops(), Ops{"cls color=0"}) << '"' << stored << '"';
    }
}

TEST_F(FrameFixture, DialWithNoRoomShowsOnlyTheBackground)
{
    EXPECT_EQ(frame(3 * kHour, 10, 10), Ops{"cls color=0"});
    EXPECT_EQ(frame(3 * kHour, 1920, 4), Ops{"cls color=0"});
    // One pixel of radius is enough to draw.
    EXPECT_EQ(frame(3 * kHour, 12, 12).size(), 18u);
}

} // namespace
} // namespace hv
