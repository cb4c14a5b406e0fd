// The clock window driven through the program, with every port faked:
// its set-up from the store, keys, closing and the pointer.
#include "clock_window_fixture.h"
#include "runtime/error_report.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace hv::test {
namespace {

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
        (std::map<std::string, std::string>{
            {"Check4", "1"}, {"Combo1", "2"}, {"Every Monitor", "1"}, {"Time Zone", "Europe/Berlin"}}));
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
        {"Every Monitor", "abc", true, true, kBlack, "Type mismatch", 116},
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
        EXPECT_EQ(fake.keepAwake.idleHeld, c.keepAwake);
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

    EXPECT_EQ(fake.log, (Log{"hide Form2", "create Form1", "show Form1", "pump", "pump", "close Form2", "show Form1"}));
    EXPECT_TRUE(w.closed);
    EXPECT_TRUE(w.destroyed);
    EXPECT_FALSE(w.timer("Timer1").enabled());
    EXPECT_FALSE(w.timer("Timer2").enabled());
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_FALSE(keepsRunningOnClose(program));

    // The next opening starts from the design values.
    fake.windows.last("Form1").click("PushButton1");
    EXPECT_EQ(hint().width(), 4215);
    EXPECT_EQ(hint().height(), 495);
    EXPECT_TRUE(window().timer("Timer1").enabled());
}

TEST_F(ClockWindowTest, OptionsWindowLeftByEscKeepsNothingAwakeWithTheStartupSwitchOn)
{
    // The button unloads the options window; Esc loads it afresh, and its
    // load runs the closing clock's load again.
    fake.settings.write(settings::kWindowsStartup, "On");
    program.start();
    window().keyDown(kEsc);
    fake.windows.last("Form1").click("PushButton1");
    ASSERT_TRUE(fake.keepAwake.idleHeld);

    window().keyDown(kEsc);

    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_TRUE(fake.windows.last("Form1").shown);
    EXPECT_FALSE(fake.keepAwake.idleHeld);
}

TEST_F(ClockWindowTest, CloseRequestRunsTheSameClosing)
{
    FakeWindowState& w = open();
    w.closeRequest();
    EXPECT_EQ(fake.log, (Log{"create Form1", "show Form1", "pump", "pump", "close Form2"}));
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_FALSE(keepsRunningOnClose(program));
}

TEST_F(ClockWindowTest, CloseRequestedAgainWhileClosingIsIgnored)
{
    FakeWindowState& w = open();
    fake.events.onNextPump = [&] { w.closeRequest(); };
    w.keyDown(kEsc);
    EXPECT_EQ(fake.log, (Log{"hide Form2", "create Form1", "show Form1", "pump", "pump", "close Form2", "show Form1"}));
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
} // namespace hv::test
