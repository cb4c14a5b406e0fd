// The clock window's two timers, driven through the program with every
// port faked: the frames the drawing tick draws, what a failing tick tells
// and when, and the keep-awake tick's key presses.
#include "clock_window_fixture.h"
#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hv::test {
namespace {

TEST_F(ClockWindowTest, DrawingTickDrawsAWholeFrameWithTheLatestGeometry)
{
    FakeWindowState& w = open();
    w.resize(1366, 768);
    w.canvas.forget();
    fake.log.clear();
    fake.timeOfDay.seconds = 3 * kHour;

    w.tick("Timer1");

    EXPECT_EQ(fake.log, (Log{"pump", "pump", "pump"}));
    const auto& ops = w.canvas.ops();
    ASSERT_EQ(ops.size(), 18u);
    EXPECT_EQ(ops[0], "cls color=0");
    EXPECT_EQ(ops[1], "circle 683 384 379 width=3 pen=16777215 fill=0");
    EXPECT_EQ(ops[2], "circle 683 384 5 width=1 pen=16777215 fill=16777215");
    // The hour hand at 3, 208 pixels long.
    EXPECT_EQ(ops[15], "polygon 708 384 713 374 891 382 891 386 713 394 width=1 pen=16777215 fill=16777215");
}

TEST_F(ClockWindowTest, FramesFollowTheZoneAndAColourStoredMeanwhile)
{
    FakeWindowState& w = open();
    program.clockWindow()->zoneKey = "America/New_York";
    fake.timeOfDay.zones["America/New_York"] = 21 * kHour;
    fake.timeOfDay.seconds = 2 * kHour;
    w.tick("Timer1");
    ASSERT_EQ(w.canvas.ops().size(), 18u);
    EXPECT_EQ(w.canvas.ops()[15], "polygon 935 540 930 550 666 542 666 538 930 530 width=1 pen=16777215 fill=16777215");

    fake.settings.write(settings::kClockColour, "255");
    w.canvas.forget();
    w.tick("Timer1");
    ASSERT_EQ(w.canvas.ops().size(), 18u);
    EXPECT_EQ(w.canvas.ops()[17].substr(w.canvas.ops()[17].find(" width")), " width=1 pen=255 fill=255");
}

TEST_F(ClockWindowTest, TickDrawsNothingOnAWindowClosedDuringItsFirstPump)
{
    FakeWindowState& w = open();
    fake.events.onNextPump = [&] { w.keyDown(kEsc); };

    w.tick("Timer1");

    EXPECT_EQ(fake.log,
        (Log{"pump", "hide Form2", "create Form1", "show Form1", "pump", "pump", "close Form2", "show Form1"}));
    EXPECT_TRUE(w.canvas.ops().empty());
    EXPECT_TRUE(w.destroyed);
}

TEST_F(ClockWindowTest, UnreadableClockColourIsReportedOncePerOpening)
{
    const std::string report = errorReportText("Type mismatch", "Form2.Timer1_Timer", 102);
    fake.settings.write(settings::kClockColour, "abc");
    FakeWindowState& w = open();
    // A tick that comes while the report is open, from the box's own loop.
    int nested = 0;
    fake.boxes.whileOpen = [&] {
        if (nested++ == 0)
            w.tick("Timer1");
    };

    w.tick("Timer1");

    EXPECT_EQ(fake.boxes.texts(), std::vector<std::string>{report});
    EXPECT_EQ(fake.log, (Log{"pump", "box", "pump", "pump", "pump", "pump", "pump"}));
    // Every failed frame leaves the background.
    EXPECT_EQ(w.canvas.ops(), (std::vector<std::string>{"cls color=0", "cls color=0", "cls color=0", "cls color=0"}));

    // The cause persists: later ticks stay silent and show the background.
    fake.boxes.whileOpen = nullptr;
    w.canvas.forget();
    for (int i = 0; i < 3; ++i)
        w.tick("Timer1");
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(w.canvas.ops().back(), "cls color=0");

    // Opened again, the clock tells it again, once.
    w.keyDown(kEsc);
    fake.windows.last("Form1").click("PushButton1");
    window().resize(1920, 1080);
    window().tick("Timer1");
    window().tick("Timer1");
    EXPECT_EQ(fake.boxes.texts(), (std::vector<std::string>{report, report}));
}

TEST_F(ClockWindowTest, MalformedNightLevelIsReportedOnceAndTheClockDimsToTheDefault)
{
    fake.settings.write(settings::kNightDim, "1");
    fake.settings.write(settings::kNightLevel, "150");
    FakeWindowState& w = open();
    fake.timeOfDay.seconds = 23 * kHour;

    w.tick("Timer1");
    w.tick("Timer1");

    EXPECT_EQ(fake.boxes.texts(),
        std::vector<std::string>{errorReportText("Invalid property value", "Form2.Timer1_Timer", 112)});
    // 30 per cent of white: 76.5 for each part, rounded to even.
    EXPECT_EQ(w.canvas.ops().back().substr(w.canvas.ops().back().find(" width")), " width=1 pen=5000268 fill=5000268");
}

TEST_F(ClockWindowTest, TickOpensNoBoxWhileAnotherIsOpen)
{
    fake.settings.write(settings::kClockColour, "abc");
    FakeWindowState& w = open();
    // Any other box, such as one the program shows about its settings.
    fake.boxes.whileOpen = [&] { w.tick("Timer1"); };
    program.messageBoxes().show("The options could not be saved", 48, "Horavista");
    EXPECT_EQ(fake.boxes.texts(), std::vector<std::string>{"The options could not be saved"});
    EXPECT_EQ(w.canvas.ops(), (std::vector<std::string>{"cls color=0", "cls color=0"}));

    // Left out, the report was not made: the next tick makes it.
    fake.boxes.whileOpen = nullptr;
    w.tick("Timer1");
    EXPECT_EQ(fake.boxes.texts(),
        (std::vector<std::string>{
            "The options could not be saved", errorReportText("Type mismatch", "Form2.Timer1_Timer", 102)}));
}

TEST_F(ClockWindowTest, KeepAwakeTickStacksNoBoxOnTheDrawingTicksReport)
{
    fake.settings.write(settings::kClockColour, "abc");
    FakeWindowState& w = open();
    int nested = 0;
    fake.boxes.whileOpen = [&] {
        if (nested++ > 0)
            return;
        fake.events.onNextPump = [] { throw RuntimeError::overflow(); };
        w.tick("Timer2");
    };
    w.tick("Timer1");
    const std::string drawingReport = errorReportText("Type mismatch", "Form2.Timer1_Timer", 102);
    EXPECT_EQ(fake.boxes.texts(), std::vector<std::string>{drawingReport});

    // With no other box open, its own failure is told.
    fake.boxes.whileOpen = nullptr;
    fake.events.onNextPump = [] { throw RuntimeError::overflow(); };
    w.tick("Timer2");
    EXPECT_EQ(fake.boxes.texts(),
        (std::vector<std::string>{drawingReport, errorReportText("Overflow", "Form2.Timer2_Timer", 108)}));
}

TEST_F(ClockWindowTest, ClosedWindowReportsNothing)
{
    fake.settings.write(settings::kClockColour, "abc");
    FakeWindowState& w = open();
    // A drawing tick that comes while the close handling lets events run.
    fake.events.onNextPump = [&] { w.tick("Timer1"); };
    w.keyDown(kEsc);
    EXPECT_TRUE(w.canvas.ops().empty());

    // A keep-awake tick whose window closes while it lets events run, and
    // which then fails.
    fake.windows.last("Form1").click("PushButton1");
    FakeWindowState& again = window();
    again.resize(1920, 1080);
    fake.events.onNextPump = [&] {
        again.keyDown(kEsc);
        throw RuntimeError::overflow();
    };
    again.tick("Timer2");

    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(ClockWindowTest, KeepAwakeTickPressesAndReleasesRightShiftThenResetsIdle)
{
    FakeWindowState& w = open();
    w.tick("Timer2");
    EXPECT_EQ(fake.log,
        (Log{
            "press right Shift",
            "release right Shift",
            "pump",
            "reset idle",
        }));
    EXPECT_TRUE(w.canvas.ops().empty());
}

TEST_F(ClockWindowTest, IdleIsInhibitedWhileTheClockIsOpenWithKeepAwake)
{
    FakeWindowState& w = open();
    EXPECT_TRUE(w.shown);
    EXPECT_EQ(fake.keepAwake.idleChanges, std::vector<bool>{true});
    w.tick("Timer1");
    w.tick("Timer2");
    EXPECT_EQ(fake.keepAwake.idleChanges, std::vector<bool>{true});

    w.keyDown(kEsc);
    EXPECT_EQ(fake.keepAwake.idleChanges, (std::vector<bool>{true, false}));

    // Closed by the desktop rather than by Esc, it lets go just the same.
    fake.windows.last("Form1").click("PushButton1");
    EXPECT_TRUE(fake.keepAwake.idleHeld);
    window().closeRequest();
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_EQ(fake.keepAwake.idleChanges, (std::vector<bool>{true, false, true, false}));

    // Keep-awake off: the clock opens and closes without holding anything.
    fake.windows.last("Form1").checkBox("Check4").click();
    fake.windows.last("Form1").click("PushButton1");
    window().keyDown(kEsc);
    EXPECT_EQ(fake.keepAwake.idleChanges.size(), 4u);
}

} // namespace
} // namespace hv::test
