// The colour window, opened by "Change Color": what its load shows for the
// stored clock colour, what a pick or a cancelled dialog stores, and how
// closing it brings the options window back.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "runtime/error_report.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace hv {
namespace {

using fakes::FakeWindowState;
using fakes::Log;

struct ColourWindowTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    // The options window's "Change Color", pressed by the user.
    FakeWindowState& changeColour()
    {
        program.start();
        fake.log.clear();
        fake.windows.last("Form1").click("PushButton4");
        return fake.windows.last("Form3");
    }
    Colour swatch() { return fake.windows.last("Form3").label("Label1").backColor(); }
    std::string stored() { return fake.settings.get(settings::kClockColour, "(absent)"); }
};

TEST_F(ColourWindowTest, ChangeColorShowsTheColourWindowInPlaceOfTheOptions)
{
    FakeWindowState& w = changeColour();
    EXPECT_EQ(fake.log, (Log{"create Form3", "show Form3", "hide Form1"}));
    EXPECT_EQ(w.caption, "Horavista");
    EXPECT_TRUE(w.iconSet);
    EXPECT_FALSE(w.design.minButton || w.design.maxButton);
    EXPECT_EQ(w.backColor, kButtonFace);
    EXPECT_EQ(w.control("Frame1").backColor(), kButtonFace);
    EXPECT_EQ(w.label("Label1").design.parent, "Frame1");
    EXPECT_EQ(swatch(), kWhite);
    // The box that takes the focus lies below the client area.
    const auto& text1 = w.control("Text1").design;
    EXPECT_EQ(text1.tabIndex, 0);
    EXPECT_GE(text1.rect.top, w.design.client.height);
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(ColourWindowTest, LoadShowsTheStoredColourOrReportsWhatIsNoColour)
{
    const struct {
        std::optional<std::string> stored;
        Colour swatch;
        std::vector<std::string> reports;
    } cases[] = {
        {std::nullopt, kWhite, {}},
        {"255", 0x0000FF, {}},
        {" 65280 ", 0x00FF00, {}},
        {"abc", kButtonFace, {errorReportText("Type mismatch", "Form3.Form_Load", 110)}},
        {"16777216", kButtonFace, {errorReportText("Invalid property value", "Form3.Form_Load", 110)}},
    };
    for (const auto& c : cases) {
        fakes::FakePlatform f;
        if (c.stored)
            f.settings.write(settings::kClockColour, *c.stored);
        Program p(f.platform);
        p.start();
        f.windows.last("Form1").click("PushButton4");
        FakeWindowState& w = f.windows.last("Form3");
        SCOPED_TRACE(c.stored.value_or("(absent)"));
        EXPECT_EQ(w.label("Label1").backColor(), c.swatch);
        EXPECT_EQ(f.boxes.texts(), c.reports);
        EXPECT_TRUE(w.shown);
    }
}

TEST_F(ColourWindowTest, APickedColourIsStoredAtOnceAndACancelStoresTheSwatchAsItIs)
{
    FakeWindowState& w = changeColour();
    fake.colourDialog.pick = 0x0000FF;
    w.click("Label1");
    EXPECT_EQ(fake.colourDialog.offered, std::vector<Colour>{kWhite});
    EXPECT_EQ(swatch(), 0x0000FF);
    EXPECT_EQ(stored(), "255");

    fake.colourDialog.pick.reset();
    fake.settings.write(settings::kClockColour, "16711680");
    w.click("Label1");
    EXPECT_EQ(fake.colourDialog.offered.back(), 0x0000FF);
    EXPECT_EQ(swatch(), 0x0000FF);
    EXPECT_EQ(stored(), "255");
}

TEST_F(ColourWindowTest, ACancelAfterAnUnreadableColourStoresNothing)
{
    fake.settings.write(settings::kClockColour, "abc");
    FakeWindowState& w = changeColour();
    w.click("Label1");
    EXPECT_EQ(stored(), "abc");
    EXPECT_EQ(swatch(), kButtonFace);
}

TEST_F(ColourWindowTest, CloseAndTheCloseBoxBothBringTheSameOptionsWindowBack)
{
    for (bool closeBox : {false, true}) {
        fakes::FakePlatform f;
        Program p(f.platform);
        p.start();
        auto options = p.optionsWindow();
        f.windows.last("Form1").click("PushButton4");
        FakeWindowState& w = f.windows.last("Form3");
        f.log.clear();
        if (closeBox)
            w.closeRequest();
        else
            w.click("PushButton1");
        SCOPED_TRACE(closeBox ? "close box" : "Close");
        EXPECT_EQ(f.log, (Log{"show Form1", "close Form3"}));
        EXPECT_TRUE(w.destroyed);
        EXPECT_FALSE(f.windows.loaded("Form3"));
        EXPECT_EQ(p.optionsWindow(), options);
    }
}

TEST_F(ColourWindowTest, ReopeningReadsTheColourAfresh)
{
    FakeWindowState& first = changeColour();
    first.click("PushButton1");
    fake.settings.write(settings::kClockColour, "65280");
    fake.windows.last("Form1").click("PushButton4");
    EXPECT_NE(&fake.windows.last("Form3"), &first);
    EXPECT_EQ(swatch(), 0x00FF00);
}

TEST_F(ColourWindowTest, PointerIsTheHandOverSwatchAndCloseButNeverReplacesTheHourglass)
{
    fake.files.files.insert("/opt/horavista/HAND-M.CUR");
    FakeWindowState& w = changeColour();
    EXPECT_EQ(w.mouseIcon, "/opt/horavista/HAND-M.CUR");
    const struct {
        const char* over;
        MousePointer before, after;
    } cases[] = {
        {"Label1", MousePointer::Default, MousePointer::Custom},
        {"PushButton1", MousePointer::Default, MousePointer::Custom},
        {"", MousePointer::Custom, MousePointer::Default},
        {"Frame1", MousePointer::Custom, MousePointer::Default},
        {"Label1", MousePointer::Hourglass, MousePointer::Hourglass},
        {"Frame1", MousePointer::Hourglass, MousePointer::Hourglass},
    };
    for (const auto& c : cases) {
        w.pointer = c.before;
        w.mouseMove(c.over);
        EXPECT_EQ(w.pointer, c.after) << '"' << c.over << "\" from " << static_cast<int>(c.before);
    }
}

} // namespace
} // namespace hv
