// The clock window driven through the program, with every port faked:
// set-up from the store, keys, closing, and the two timers. The clock is
// opened as the user opens it, from the options window.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "platform/error_report.h"
#include "platform/runtime.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace hv {
namespace {

using fakes::FakeWindowState;
using fakes::Log;

constexpr std::int16_t kEsc = vk::kEscape;
constexpr double kHour = 3600;

// Starts the program and presses "Show Fullscreen Clock".
void showClock(fakes::FakePlatform& fake, Program& program)
{
    program.start();
    fake.windows.last("Form1").click("PushButton1");
}

bool dontUnload(Program& program) { return program.optionsWindow()->mDontUnload; }

struct ClockWindowTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    FakeWindowState& window() { return fake.windows.last("Form2"); }
    fakes::FakeLabel& hint() { return window().label("Label1"); }

    // Opened and laid out on a full-HD screen, with the log cleared.
    FakeWindowState& open()
    {
        showClock(fake, program);
        window().resize(1920, 1080);
        fake.log.clear();
        window().canvas.forget();
        return window();
    }

};

TEST_F(ClockWindowTest, OpensAsDesigned)
{
    showClock(fake, program);

    FakeWindowState& w = window();
    EXPECT_EQ(w.design.name, "Form2");
    EXPECT_TRUE(w.design.borderless);
    EXPECT_TRUE(w.design.maximized);
    EXPECT_EQ(w.backColor, kBlack);
    EXPECT_TRUE(w.shown);
    EXPECT_TRUE(w.iconSet);
    EXPECT_FALSE(fake.windows.loaded("Form1"));
    EXPECT_TRUE(fake.windows.last("Form1").destroyed);

    const LabelDesign& d = hint().design;
    EXPECT_EQ(d.caption, "Press ESC To Exit. Type 'hide' to hide this text.");
    EXPECT_EQ((std::vector<int>{d.rect.left, d.rect.top, d.rect.width, d.rect.height}),
              (std::vector<int>{120, 120, 4215, 495}));
    EXPECT_EQ(d.foreColor, kWhite);
    EXPECT_TRUE(hint().visible());
    EXPECT_EQ(w.timer("Timer1").design.intervalMs, 1000);
    EXPECT_TRUE(w.timer("Timer1").enabled());
    EXPECT_EQ(w.timer("Timer2").design.intervalMs, 59000);
    EXPECT_TRUE(w.timer("Timer2").enabled());

    // The options window restored the boxes; the clock's restore changes
    // nothing and so writes nothing.
    EXPECT_EQ(fake.settings.values(),
              (std::map<std::string, std::string>{{"Check4", "1"}, {"Combo1", "2"}, {"Time Zone", "Europe/Berlin"}}));
    EXPECT_TRUE(fake.boxes.shown.empty());
    // Nothing is drawn before the first tick.
    EXPECT_TRUE(w.canvas.ops().empty());
}

TEST(ClockWindowSetUp, FromStoredOptions)
{
    const struct {
        const char* key;
        const char* stored;
        bool hintVisible;
        bool keepAwake;
        Colour back;
        std::string error; // reported at this line, empty when none
        int line;
    } cases[] = {
        {"Check1", "1", false, true, kBlack, "", 0},
        {"Check1", "2", true, true, kBlack, "", 0},
        {"Check1", "abc", true, true, kBlack, "Type mismatch", 102},
        {"Check1", "3", true, true, kBlack, "Invalid property value", 102},
        {"Check4", "0", true, false, kBlack, "", 0},
        {"Background Color", "255", true, true, 255, "", 0},
        {"Background Color", "abc", true, true, kBlack, "Type mismatch", 110},
        {"Background Color", "16777216", true, true, kBlack, "Invalid property value", 110},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " = \"" << c.stored << '"');
        fakes::FakePlatform fake;
        Program program(fake.platform);
        fake.settings.write(c.key, c.stored);
        showClock(fake, program);
        FakeWindowState& w = fake.windows.last("Form2");
        fakes::FakeLabel& hint = w.label("Label1");

        EXPECT_EQ(hint.visible(), c.hintVisible);
        EXPECT_EQ(w.timer("Timer2").enabled(), c.keepAwake);
        EXPECT_EQ(w.backColor, c.back);
        EXPECT_EQ(hint.backColor(), c.back);
        EXPECT_EQ(hint.design.foreColor, kWhite);
        std::vector<fakes::FakeMessageBoxes::Box> reports;
        for (const auto& box : fake.boxes.shown)
            if (box.text.find("Form2.") != std::string::npos)
                reports.push_back(box);
        if (c.error.empty()) {
            EXPECT_TRUE(reports.empty());
            continue;
        }
        // The set-up runs at loading and once more when the options window asks for it.
        ASSERT_EQ(reports.size(), 2u);
        for (const auto& box : reports) {
            EXPECT_EQ(box.text, errorReportText(c.error, "Form2.Form_Load", c.line));
            EXPECT_EQ(box.style, 48);
            EXPECT_EQ(box.title, "Application Error");
        }
    }
}

TEST(ClockWindowSetUp, UnusableKeepAwakeKeepsTheBoxAsItWas)
{
    const struct {
        const char* stored;
        std::string error;
    } cases[] = {{"abc", "Type mismatch"}, {"5", "Invalid property value"}};
    for (const auto& c : cases) {
        fakes::FakePlatform fake;
        Program program(fake.platform);
        // Ticked, as the options window restored it before the store changed.
        program.start();
        fake.settings.write(settings::kKeepAwake, c.stored);
        FakeWindowState& options = fake.windows.last("Form1");
        options.click("PushButton1");

        EXPECT_EQ(options.checkBox("Check4").value(), 1) << c.stored;
        EXPECT_TRUE(fake.windows.last("Form2").timer("Timer2").enabled()) << c.stored;
        ASSERT_EQ(fake.boxes.shown.size(), 2u) << c.stored;
        EXPECT_EQ(fake.boxes.shown[0].text, errorReportText(c.error, "Form2.Form_Load", 106));
    }
}

TEST_F(ClockWindowTest, TypingHideCollapsesTheHint)
{
    FakeWindowState& w = open();
    for (std::int16_t key : {vk::kH, vk::kI, vk::kD, vk::kE})
        EXPECT_EQ(w.keyDown(key), 0) << "letter " << key << " counts as handled";
    EXPECT_EQ(hint().width(), 0);
    EXPECT_EQ(hint().height(), 0);
    EXPECT_EQ(w.keyDown(vk::kShift), vk::kShift);
}

TEST_F(ClockWindowTest, HideDoesNotCollapseTheHintOfAnIconicWindow)
{
    FakeWindowState& w = open();
    w.iconic = true;
    w.type({vk::kH, vk::kI, vk::kD, vk::kE});
    EXPECT_EQ(hint().width(), 4215);
    EXPECT_EQ(hint().height(), 495);
    // Nor later: the word must be typed again.
    w.iconic = false;
    w.keyDown(vk::kE);
    EXPECT_EQ(hint().width(), 4215);
}

TEST_F(ClockWindowTest, HideStillCollapsesAHintTheOptionHides)
{
    fake.settings.write(settings::kHideHint, "1");
    FakeWindowState& w = open();
    w.type({vk::kH, vk::kI, vk::kD, vk::kE});
    EXPECT_FALSE(hint().visible());
    EXPECT_EQ(hint().width(), 0);
}

TEST_F(ClockWindowTest, EscHidesUnloadsAndBringsBackAFreshOptionsWindow)
{
    FakeWindowState& w = open();
    w.type({vk::kH, vk::kI, vk::kD, vk::kE});
    fake.log.clear();

    w.keyDown(kEsc);

    EXPECT_EQ(fake.log,
              (Log{"hide Form2", "create Form1", "show Form1", "pump", "pump", "close Form2", "show Form1"}));
    EXPECT_TRUE(w.closed);
    EXPECT_TRUE(w.destroyed);
    EXPECT_FALSE(w.timer("Timer1").enabled());
    EXPECT_FALSE(w.timer("Timer2").enabled());
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_FALSE(dontUnload(program));

    // The next opening starts from the design values.
    fake.windows.last("Form1").click("PushButton1");
    EXPECT_EQ(hint().width(), 4215);
    EXPECT_EQ(hint().height(), 495);
    EXPECT_TRUE(window().timer("Timer1").enabled());
}

TEST_F(ClockWindowTest, CloseRequestRunsTheSameClosing)
{
    FakeWindowState& w = open();
    w.closeRequest();
    EXPECT_EQ(fake.log, (Log{"create Form1", "show Form1", "pump", "pump", "close Form2"}));
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_FALSE(dontUnload(program));
}

TEST_F(ClockWindowTest, CloseRequestedAgainWhileClosingIsIgnored)
{
    FakeWindowState& w = open();
    fake.events.onNextPump = [&] { w.closeRequest(); };
    w.keyDown(kEsc);
    EXPECT_EQ(fake.log,
              (Log{"hide Form2", "create Form1", "show Form1", "pump", "pump", "close Form2", "show Form1"}));
}

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
    program.clockWindow()->mTimeZone = "America/New_York";
    fake.timeOfDay.zones["America/New_York"] = 21 * kHour;
    fake.timeOfDay.seconds = 2 * kHour;
    w.tick("Timer1");
    ASSERT_EQ(w.canvas.ops().size(), 18u);
    EXPECT_EQ(w.canvas.ops()[15],
              "polygon 935 540 930 550 666 542 666 538 930 530 width=1 pen=16777215 fill=16777215");

    fake.settings.write(settings::kClockColour, "255");
    w.canvas.forget();
    w.tick("Timer1");
    ASSERT_EQ(w.canvas.ops().size(), 18u);
    EXPECT_EQ(w.canvas.ops()[17].substr(w.canvas.ops()[17].find(" width")), " width=1 pen=255 fill=255");
}

TEST_F(ClockWindowTest, ResizeWipesAndMarksTheCentre)
{
    fake.settings.write(settings::kBackgroundColour, "255");
    showClock(fake, program);
    window().resize(1366, 768);
    const auto& ops = window().canvas.ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0], "cls color=255");
    EXPECT_EQ(ops[1].rfind("pset 683 384 ", 0), 0u) << ops[1];
}

TEST_F(ClockWindowTest, TickDrawsNothingOnAWindowClosedDuringItsFirstPump)
{
    FakeWindowState& w = open();
    fake.events.onNextPump = [&] { w.keyDown(kEsc); };

    w.tick("Timer1");

    EXPECT_EQ(fake.log, (Log{"pump", "hide Form2", "create Form1", "show Form1", "pump", "pump", "close Form2",
                             "show Form1"}));
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
    EXPECT_EQ(fake.boxes.texts(), (std::vector<std::string>{"The options could not be saved",
                                                            errorReportText("Type mismatch", "Form2.Timer1_Timer", 102)}));
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
    EXPECT_EQ(fake.log, (Log{
                            "mapVirtualKey 0xA1 0",
                            "keyEvent 0xA1 0x36 0",
                            "mapVirtualKey 0xA1 0",
                            "keyEvent 0xA1 0x36 2",
                            "pump",
                            "setExecutionState 1",
                        }));
    EXPECT_TRUE(w.canvas.ops().empty());
}

TEST_F(ClockWindowTest, MouseMoveRestoresTheDefaultPointerButNeverTheHourglass)
{
    const struct {
        MousePointer before, after;
    } cases[] = {
        {MousePointer::Default, MousePointer::Default},
        {MousePointer::Custom, MousePointer::Default},
        {MousePointer::Hourglass, MousePointer::Hourglass},
    };
    FakeWindowState& w = open();
    for (const auto& c : cases) {
        w.pointer = c.before;
        w.mouseMove();
        EXPECT_EQ(w.pointer, c.after) << static_cast<int>(c.before);
    }
}

} // namespace
} // namespace hv
