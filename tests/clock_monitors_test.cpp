// The clock on several monitors and as a screen saver, through the program
// with every port faked.
#include "clock/pointer_travel.h"
#include "clock_window_fixture.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace hv::test {
namespace {

using fakes::EndedNow;

struct ClockMonitorsTest : ClockWindowTest {
    ClockMonitorsTest() { fake.monitors.monitors = {{"A", 0, 0, 1920, 1080, 96}, {"B", 1920, 0, 1280, 1024, 144}}; }

    // The clock's windows still open, in the order they were created.
    std::vector<FakeWindowState*> clocks() const
    {
        std::vector<FakeWindowState*> open;
        for (const auto& w : fake.windows.created)
            if (w->design.name == "Form2" && !w->closed)
                open.push_back(w.get());
        return open;
    }
    std::vector<std::string> monitorsCovered() const
    {
        std::vector<std::string> ids;
        for (const FakeWindowState* w : clocks())
            ids.push_back(w->design.monitor);
        return ids;
    }
    void unplug(const std::string& id)
    {
        auto& list = fake.monitors.monitors;
        list.erase(std::remove_if(list.begin(), list.end(), [&](const Monitor& m) { return m.id == id; }), list.end());
        fake.monitors.change();
    }
    long count(const std::string& entry) const { return std::count(fake.log.begin(), fake.log.end(), entry); }
};

TEST_F(ClockMonitorsTest, EveryMonitorGetsAShownWindowWithItsOwnDial)
{
    showClock(fake, program);
    const auto windows = clocks();
    ASSERT_EQ(monitorsCovered(), (std::vector<std::string>{"A", "B"}));
    windows[0]->resize(1920, 1080);
    windows[1]->resize(1280, 1024);
    EXPECT_EQ(windows[1]->canvas.ops()[1].rfind("pset 640 512 ", 0), 0u) << windows[1]->canvas.ops()[1];
    for (FakeWindowState* w : windows) {
        EXPECT_TRUE(w->shown);
        EXPECT_TRUE(w->design.borderless && w->design.maximized);
        w->canvas.forget();
    }

    windows[0]->tick("Timer1");
    for (FakeWindowState* w : windows)
        EXPECT_FALSE(w->canvas.ops().empty());
    // The timers and the inhibition are the clock's, not each window's.
    EXPECT_THROW(windows[1]->timer("Timer1"), std::logic_error);
    EXPECT_EQ(fake.keepAwake.idleChanges, (std::vector<bool>{true}));
}

TEST_F(ClockMonitorsTest, AMonitorPluggedInGetsAWindowAndOneRemovedLosesIt)
{
    fake.monitors.monitors.pop_back();
    showClock(fake, program);
    clocks()[0]->type({vk::kH, vk::kI, vk::kD, vk::kE});

    fake.monitors.monitors.push_back({"B", 1920, 0, 1280, 1024, 96});
    fake.monitors.change();
    ASSERT_EQ(monitorsCovered(), (std::vector<std::string>{"A", "B"}));
    FakeWindowState& added = *clocks()[1];
    EXPECT_TRUE(added.shown);
    EXPECT_EQ(added.label("Label1").width(), 0);

    // The window holding the timers goes: they carry on in the other.
    unplug("A");
    EXPECT_EQ(monitorsCovered(), (std::vector<std::string>{"B"}));
    EXPECT_TRUE(added.timer("Timer1").enabled());
    EXPECT_TRUE(added.timer("Timer2").enabled());
    added.tick("Timer1");
    EXPECT_TRUE(fake.boxes.shown.empty());
    EXPECT_TRUE(fake.windows.loaded("Form2"));
}

TEST_F(ClockMonitorsTest, EscOnAnyWindowClosesAllAndShowsOneOptionsWindow)
{
    showClock(fake, program);
    const auto windows = clocks();
    fake.log.clear();

    windows[1]->keyDown(kEsc);

    EXPECT_TRUE(clocks().empty());
    EXPECT_EQ(count("create Form1"), 1);
    EXPECT_FALSE(fake.keepAwake.idleHeld);
    fake.monitors.change();
    EXPECT_TRUE(clocks().empty());
}

TEST_F(ClockMonitorsTest, HideTypedOnOneWindowHidesTheHintOnAll)
{
    showClock(fake, program);
    clocks()[1]->type({vk::kH, vk::kI, vk::kD, vk::kE});
    for (FakeWindowState* w : clocks())
        EXPECT_EQ(w->label("Label1").height(), 0);
}

TEST_F(ClockMonitorsTest, OneWindowOnTheOptionsWindowsMonitorWhenNotEvery)
{
    fake.settings.write(settings::kEveryMonitor, "0");
    program.start();
    fake.windows.last("Form1").monitor = "B";
    fake.windows.last("Form1").click("PushButton1");
    EXPECT_EQ(monitorsCovered(), (std::vector<std::string>{"B"}));

    // Its monitor gone, the window moves to the primary.
    unplug("B");
    EXPECT_EQ(monitorsCovered(), (std::vector<std::string>{"A"}));
}

TEST_F(ClockMonitorsTest, ScreenSaverCoversEveryMonitorKeepsNothingAwakeAndHidesThePointer)
{
    fake.settings.write(settings::kEveryMonitor, "0");
    program.startScreenSaver();
    EXPECT_EQ(monitorsCovered(), (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(fake.windows.loaded("Form1"));
    EXPECT_TRUE(fake.keepAwake.idleChanges.empty());
    for (FakeWindowState* w : clocks()) {
        EXPECT_TRUE(w->shown);
        EXPECT_EQ(w->pointer, MousePointer::Hidden);
        w->mouseMove();
        EXPECT_EQ(w->pointer, MousePointer::Hidden);
    }
    EXPECT_FALSE(clocks()[0]->timer("Timer2").enabled());
    EXPECT_EQ(fake.settings.values().count("Every Monitor"), 1u);
    EXPECT_EQ(fake.settings.values().at("Every Monitor"), "0");
}

TEST_F(ClockMonitorsTest, ScreenSaverEndsOnAKeyAClickOrAMoveButNotOnJitter)
{
    program.startScreenSaver();
    FakeWindowState& second = *clocks()[1];
    EXPECT_THROW(second.keyDown(vk::kH), EndedNow);
    EXPECT_THROW(second.mouseDown(), EndedNow);

    second.pointerAt(2500, 500);
    second.pointerAt(2502, 497);
    EXPECT_EQ(count("endNow"), 2);
    EXPECT_THROW(clocks()[0]->pointerAt(2510, 500), EndedNow);
}

TEST(PointerTravel, OnlyAMoveBeyondAFewPixelsFromTheFirstPositionCounts)
{
    PointerTravel travel;
    EXPECT_FALSE(travel.movedAway(-5000, 7000));
    EXPECT_FALSE(travel.movedAway(-5000 + PointerTravel::kJitterPixels, 7000));
    EXPECT_FALSE(travel.movedAway(-4998, 6997));
    EXPECT_TRUE(travel.movedAway(-4997, 7004));
}

TEST_F(ClockMonitorsTest, ScreenSaverInAHostWindowWatchesNoInputAndEndsWhenTheHostGoes)
{
    program.startScreenSaver(0x2a);
    ASSERT_EQ(clocks().size(), 1u);
    FakeWindowState& w = *clocks()[0];
    EXPECT_EQ(w.design.host, 0x2au);
    EXPECT_TRUE(w.shown);
    w.keyDown(kEsc);
    w.mouseDown();
    w.pointerAt(0, 0);
    w.pointerAt(500, 500);
    fake.monitors.change();
    EXPECT_EQ(clocks().size(), 1u);
    EXPECT_EQ(count("endNow"), 0);

    EXPECT_THROW(w.closeRequest(), EndedNow);
}

} // namespace
} // namespace hv::test
