// The options window and the flow between the windows, driven through the
// program with every port faked: what a load restores and writes back,
// the start-up option, opening and closing the clock, and the zone list.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "runtime/error_report.h"
#include "shared/window_rules.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace hv {
namespace {

using fakes::FakeWindowState;
using fakes::Log;
using Stored = std::map<std::string, std::string>;

constexpr int kBerlin = 2; // list positions of the fakes' catalogue
constexpr int kKolkata = 3;

struct OptionsWindowTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    FakeWindowState& options() { return fake.windows.last("Form1"); }
    FakeWindowState& clock() { return fake.windows.last("Form2"); }
    std::shared_ptr<OptionsWindow> optionsWindow() { return program.optionsWindow(); }
};

TEST_F(OptionsWindowTest, FirstStartShowsTheDefaultsAndStoresWhatTheRestoreWrote)
{
    program.start();

    EXPECT_EQ(fake.log, (Log{"create Form1", "show Form1"}));
    FakeWindowState& w = options();
    EXPECT_EQ(w.caption, "Horavista");
    EXPECT_TRUE(w.iconSet);
    EXPECT_EQ(program.appTitle(), "Horavista");
    EXPECT_EQ(w.checkBox("Check1").value(), 0);
    EXPECT_EQ(w.checkBox("Check4").value(), 1);
    EXPECT_EQ(w.checkBox("Check3").value(), 0);
    EXPECT_EQ(w.comboBox("Combo1").listIndex(), kBerlin);
    EXPECT_EQ(w.comboBox("Combo1").itemText(kBerlin), "(UTC+01:00) Berlin, Germany");
    EXPECT_EQ(fake.settings.values(),
        (Stored{{"Check4", "1"}, {"Combo1", "2"}, {"Every Monitor", "1"}, {"Time Zone", "Europe/Berlin"}}));
    EXPECT_FALSE(optionsWindow()->keepRunningOnClose);
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_TRUE(fake.boxes.shown.empty());
    // Unskinned: the window and its frames keep the designed white.
    EXPECT_EQ(w.backColor, kWhite);
    EXPECT_EQ(w.control("Frame1").backColor(), kWhite);
}

TEST_F(OptionsWindowTest, ShowFullscreenClockOpensTheChosenZoneAndUnloadsTheOptions)
{
    program.start();
    options().comboBox("Combo1").setListIndex(kKolkata);
    EXPECT_EQ(fake.settings.values().at("Combo1"), "3");
    fake.log.clear();

    options().click("PushButton1");

    EXPECT_EQ(fake.log, (Log{"create Form2", "show Form2", "close Form1"}));
    EXPECT_TRUE(options().destroyed);
    EXPECT_FALSE(fake.windows.loaded("Form1"));
    ASSERT_TRUE(fake.windows.loaded("Form2"));
    EXPECT_EQ(program.clockWindow()->zoneKey, "Asia/Kolkata");

    // Every frame asks for the time of day in that zone.
    clock().resize(1920, 1080);
    clock().tick("Timer1");
    EXPECT_EQ(fake.timeOfDay.asked, std::vector<std::string>{"Asia/Kolkata"});

    // Esc brings a freshly loaded options window with the same options.
    clock().keyDown(vk::kEscape);
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_TRUE(options().shown);
    EXPECT_FALSE(options().hidden);
    EXPECT_EQ(options().comboBox("Combo1").listIndex(), kKolkata);
    EXPECT_FALSE(optionsWindow()->keepRunningOnClose);
    EXPECT_EQ(fake.windows.created.size(), 3u);
}

TEST_F(OptionsWindowTest, ClosingTheOptionsWindowWithNoClockEndsTheProgram)
{
    program.start();
    EXPECT_THROW(options().closeRequest(), fakes::EndedNow);
    EXPECT_EQ(fake.log.back(), "endNow");
}

TEST_F(OptionsWindowTest, StartupOptionStartsStraightIntoTheClock)
{
    fake.settings.write(settings::kWindowsStartup, "On");
    const int writesBefore = fake.settings.writeCount();

    program.start();

    EXPECT_EQ(fake.log, (Log{"create Form1", "create Form2", "show Form2", "hide Form1"}));
    EXPECT_TRUE(fake.windows.loaded("Form1"));
    EXPECT_TRUE(optionsWindow()->keepRunningOnClose);
    EXPECT_EQ(options().checkBox("Check3").value(), 1);
    // The restore wrote Check4, every monitor and the zone (position and
    // key) back, and not the switch.
    EXPECT_EQ(fake.settings.writeCount() - writesBefore, 4);

    // Closing the clock shows the same options window again, not a new one.
    clock().keyDown(vk::kEscape);
    EXPECT_EQ(fake.windows.created.size(), 2u);
    EXPECT_FALSE(options().hidden);
    EXPECT_FALSE(optionsWindow()->keepRunningOnClose);
}

TEST_F(OptionsWindowTest, HiddenOptionsClosedBySystemLeaveTheClockRunning)
{
    fake.settings.write(settings::kWindowsStartup, "On");
    program.start();

    options().closeRequest();

    EXPECT_FALSE(fake.windows.loaded("Form1"));
    EXPECT_TRUE(fake.windows.loaded("Form2"));
    // Esc reloads the options window; its load opens the clock again while
    // the clock is still closing, which has no lasting effect.
    clock().keyDown(vk::kEscape);
    EXPECT_FALSE(fake.windows.loaded("Form2"));
    EXPECT_TRUE(options().shown);
    EXPECT_FALSE(options().closed);
    EXPECT_FALSE(optionsWindow()->keepRunningOnClose);
    EXPECT_EQ(fake.windows.created.size(), 3u);
}

TEST_F(OptionsWindowTest, BoxesStoreTheirStateWhenTheUserChangesThem)
{
    program.start();
    FakeWindowState& w = options();
    w.checkBox("Check1").click();
    w.checkBox("Check4").click();
    w.checkBox("Check5").click();
    w.checkBox("Check6").click();
    w.checkBox("Check7").click();
    EXPECT_EQ(fake.settings.values().at("Check1"), "1");
    EXPECT_EQ(fake.settings.values().at("Check4"), "0");
    EXPECT_EQ(fake.settings.values().at("Every Monitor"), "0");
    EXPECT_EQ(fake.settings.values().at("Night Dim"), "1");
    EXPECT_EQ(fake.settings.values().at("Screen Care"), "1");

    w.checkBox("Check3").click();
    EXPECT_EQ(fake.settings.values().at("Windows Startup"), "On");
    w.checkBox("Check3").click();
    EXPECT_EQ(fake.settings.values().at("Windows Startup"), "Off");
}

TEST_F(OptionsWindowTest, NightFrameComesBelowAndAfterTheControlsBeforeIt)
{
    program.start();
    const FakeWindowState& w = options();
    const auto& lastOld = w.checkBox("Check5").design;
    EXPECT_EQ(lastOld.caption, "Show the clock on every monitor");
    EXPECT_TRUE(lastOld.parent.empty());
    const auto& frame = w.control("Frame4").design;
    EXPECT_EQ(frame.caption, "Night and screen care");
    EXPECT_LE(lastOld.rect.top + lastOld.rect.height, frame.rect.top);
    EXPECT_LE(frame.rect.top + frame.rect.height, w.design.client.height);
    EXPECT_EQ(w.checkBox("Check6").design.caption, "Dim the clock at night, from");
    EXPECT_EQ(w.label("Label1").design.caption, "to");
    EXPECT_EQ(w.checkBox("Check7").design.caption, "Move the clock a few pixels every minute (protects OLED screens)");

    bool old = true;
    for (const auto& control : w.controls) {
        const ControlDesign& d = control->design;
        if (d.name == "Frame4")
            old = false;
        if (old) {
            EXPECT_LE(d.tabIndex, lastOld.tabIndex) << d.name;
            if (d.parent.empty() && &d != &lastOld) {
                EXPECT_LE(d.rect.top + d.rect.height, lastOld.rect.top) << d.name;
            }
            continue;
        }
        EXPECT_GT(d.tabIndex, lastOld.tabIndex) << d.name;
        if (&d != &frame) {
            EXPECT_EQ(d.parent, "Frame4") << d.name;
            EXPECT_LE(d.rect.top + d.rect.height, frame.rect.height) << d.name;
            EXPECT_LE(d.rect.left + d.rect.width, frame.rect.width) << d.name;
        }
    }
    EXPECT_FALSE(old);
}

TEST_F(OptionsWindowTest, NightTimesAreStoredAsHoursAndMinutesAndAnythingElseIsRefused)
{
    fake.settings.write(settings::kNightTo, "6h");
    program.start();
    FakeWindowState& w = options();
    auto& from = w.textBox("Text1");
    auto& to = w.textBox("Text2");
    // What the user stored stays as it is until the user types a time.
    EXPECT_EQ(from.text(), "22:00");
    EXPECT_EQ(to.text(), "06:00");
    EXPECT_EQ(fake.settings.values().at("Night To"), "6h");
    EXPECT_EQ(fake.settings.values().count("Night From"), 0u);

    from.edit("7:30");
    EXPECT_EQ(from.text(), "07:30");
    EXPECT_EQ(fake.settings.values().at("Night From"), "07:30");

    from.edit("24:00");
    from.edit("");
    EXPECT_EQ(from.text(), "07:30");
    EXPECT_EQ(fake.settings.values().at("Night From"), "07:30");
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_EQ(fake.boxes.shown[0].text,
        "\"24:00\" is not a time of day. Type hours and minutes on a 24-hour clock, such as 22:00 or 06:30.");
    EXPECT_EQ(fake.boxes.shown[0].title, "Horavista");
    EXPECT_EQ(fake.boxes.shown[1].text,
        "No time was typed. Type hours and minutes on a 24-hour clock, such as 22:00 or 06:30.");

    // A refused time puts back the stored one, or the default for what is
    // no time.
    to.edit("25:00");
    EXPECT_EQ(to.text(), "06:00");
    EXPECT_EQ(fake.settings.values().at("Night To"), "6h");
    to.edit("05:45");
    EXPECT_EQ(fake.settings.values().at("Night To"), "05:45");
}

TEST_F(OptionsWindowTest, StartupSwitchCountsOnlyInItsExactSpelling)
{
    fake.settings.write(settings::kWindowsStartup, "on");
    program.start();
    EXPECT_EQ(options().checkBox("Check3").value(), 0);
    EXPECT_FALSE(fake.windows.loaded("Form2"));
}

TEST_F(OptionsWindowTest, UnusableStoredBoxIsReportedAndKeepsItsState)
{
    fake.settings.write(settings::kHideHint, "abc");
    fake.settings.write(settings::kKeepAwake, "7");
    fake.settings.write(settings::kEveryMonitor, "-1");
    fake.settings.write(settings::kScreenCare, "on");
    program.start();
    EXPECT_EQ(fake.boxes.texts(),
        (std::vector<std::string>{
            errorReportText("Type mismatch", "Form1.Form_Load", 112),
            errorReportText("Invalid property value", "Form1.Form_Load", 114),
            errorReportText("Invalid property value", "Form1.Form_Load", 126),
            errorReportText("Type mismatch", "Form1.Form_Load", 134),
        }));
    EXPECT_EQ(options().checkBox("Check1").value(), 0);
    EXPECT_EQ(options().checkBox("Check4").value(), 0);
    EXPECT_TRUE(options().shown);
}

TEST_F(OptionsWindowTest, HelpAndColourReset)
{
    program.start();
    options().click("PushButton2");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text,
        "If you need help or features added to the software, please email support@quellmark.example.");
    EXPECT_EQ(fake.boxes.shown[0].style, 0);
    EXPECT_EQ(fake.boxes.shown[0].title, "Horavista");

    fake.settings.write(settings::kClockColour, "255");
    fake.settings.write(settings::kBackgroundColour, "65280");
    options().click("PushButton5");
    EXPECT_EQ(fake.settings.values().at("Clock Color"), "16777215");
    EXPECT_EQ(fake.settings.values().at("Background Color"), "0");
}

TEST_F(OptionsWindowTest, PointerTurnsToTheHandOverTheClickableButtonsOnly)
{
    program.start();
    FakeWindowState& w = options();
    const struct {
        const char* over;
        MousePointer before, after;
    } cases[] = {
        {"PushButton1", MousePointer::Default, MousePointer::Custom},
        {"PushButton4", MousePointer::Default, MousePointer::Custom},
        {"PushButton5", MousePointer::Default, MousePointer::Custom},
        {"PushButton2", MousePointer::Default, MousePointer::Default},
        {"PushButton2", MousePointer::Custom, MousePointer::Custom},
        {"Combo1", MousePointer::Custom, MousePointer::Custom},
        {"Check1", MousePointer::Custom, MousePointer::Custom},
        {"", MousePointer::Custom, MousePointer::Default},
        {"Frame1", MousePointer::Custom, MousePointer::Default},
        {"Frame3", MousePointer::Custom, MousePointer::Default},
        {"PushButton1", MousePointer::Hourglass, MousePointer::Hourglass},
        {"Frame2", MousePointer::Hourglass, MousePointer::Hourglass},
    };
    for (const auto& c : cases) {
        w.pointer = c.before;
        w.mouseMove(c.over);
        EXPECT_EQ(w.pointer, c.after) << '"' << c.over << "\" from " << static_cast<int>(c.before);
    }
}

TEST_F(OptionsWindowTest, CursorFileBesideTheProgramBecomesTheHandsImage)
{
    const std::string cursor = "/opt/horavista/HAND-M.CUR";
    const struct {
        bool present, isPicture;
        std::string icon;
        std::vector<std::string> reports;
    } cases[] = {
        {false, true, "", {}},
        {true, true, cursor, {}},
        {true, false, "", {errorReportText("Invalid picture", "Form1.Form_Load", 104)}},
    };
    for (const auto& c : cases) {
        fakes::FakePlatform f;
        if (c.present)
            f.files.files.insert(cursor);
        if (!c.isPicture)
            f.windows.notPictures.insert(cursor);
        Program p(f.platform);
        p.start();
        FakeWindowState& w = f.windows.last("Form1");
        SCOPED_TRACE(testing::Message() << "present " << c.present << ", picture " << c.isPicture);
        EXPECT_EQ(w.mouseIcon, c.icon);
        EXPECT_EQ(w.pointer, MousePointer::Default);
        EXPECT_EQ(f.boxes.texts(), c.reports);
        EXPECT_TRUE(w.shown);
    }
}

TEST_F(OptionsWindowTest, SkinFileRecoloursAndSkinsInItsOrder)
{
    fake.files.files.insert("/opt/horavista/x/o.cjs");
    program.start();
    FakeWindowState& w = options();

    EXPECT_EQ(w.backColor, kButtonFace);
    for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Check1", "Check3", "Check4", "Check6"})
        EXPECT_EQ(w.control(name).backColor(), kButtonFace) << name;
    EXPECT_EQ(w.label("Label1").backColor(), kButtonFace);
    for (const char* name : {"PushButton1", "Combo1"})
        EXPECT_EQ(w.control(name).backColor(), kWhite) << name;
    EXPECT_EQ(fake.log,
        (Log{
            "create Form1",
            "LoadSkin /opt/horavista/x/o.cjs \"\"",
            "ApplyOptions 5",
            "AutoApplyNewWindows 1",
            "AutoApplyNewThreads 1",
            "ApplyWindow",
            "show Form1",
        }));
}

TEST_F(OptionsWindowTest, HiddenSkinFileCountsAsAbsentAndARefusedOneIsReported)
{
    fake.files.files.insert("/opt/horavista/x/o.cjs");
    fake.files.hidden.insert("/opt/horavista/x/o.cjs");
    program.start();
    EXPECT_EQ(options().backColor, kWhite);
    EXPECT_EQ(fake.log, (Log{"create Form1", "show Form1"}));

    fakes::FakePlatform other;
    other.files.files.insert("/opt/horavista/x/o.cjs");
    other.windows.refuseSkins = true;
    Program refused(other.platform);
    refused.start();
    // The calls after the refused one are skipped; the window still opens.
    EXPECT_EQ(other.log, (Log{"create Form1", "LoadSkin /opt/horavista/x/o.cjs \"\"", "box", "show Form1"}));
    ASSERT_EQ(other.boxes.shown.size(), 1u);
    EXPECT_EQ(other.boxes.shown[0].text, errorReportText("The skin file is no skin", "Form1.Form_Load", 100));
}

TEST(appTitleFor, DropsTheLastWordsOfTheName)
{
    EXPECT_EQ(appTitleFor("Horavista"), "Horavista");
    EXPECT_EQ(appTitleFor("Horavista Clock"), "Horavista");
    EXPECT_EQ(
        appTitleFor("Horavista Full Screen Analog Clock For Every Desktop"), "Horavista Full Screen Analog Clock For");
    EXPECT_EQ(appTitleFor("A bb"), "A");
}

} // namespace
} // namespace hv
