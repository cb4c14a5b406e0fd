// The log-in entry behind "Load this software on Windows startup": what
// ticking and clearing the box asks of the log-in start, and what the user
// sees when the entry cannot be written or removed.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"
#include "system/start_up.h"

#include <gtest/gtest.h>

#include <string>

namespace hv {
namespace {

using fakes::FakeCheckBox;

struct StartUpEntryTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    FakeCheckBox& box() { return fake.windows.last("Form1").checkBox("Check3"); }
    std::string stored() { return fake.settings.get(settings::kWindowsStartup, "(absent)"); }
    std::string entry() { return fake.logInStart.entry.value_or("(none)"); }
};

TEST_F(StartUpEntryTest, TickingRegistersTheRunningExecutableAndClearingRemovesIt)
{
    fake.files.executable = "/home/ada/My Apps/horavista";
    program.start();

    box().click();
    EXPECT_EQ(stored(), "On");
    EXPECT_EQ(entry(), "/home/ada/My Apps/horavista");

    box().click();
    EXPECT_EQ(stored(), "Off");
    EXPECT_EQ(entry(), "(none)");
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(StartUpEntryTest, TheEntryIsNamedAfterTheExecutableAndStartsItQuoted)
{
    EXPECT_EQ(StartUpEntryName("C:\\My Apps\\horavista.exe"), "horavista.exe");
    EXPECT_EQ(StartUpEntryName("/opt/horavista/horavista"), "horavista");
    EXPECT_EQ(StartUpCommand("C:\\My Apps\\horavista.exe"), "\"C:\\My Apps\\horavista.exe\"");

    // A path that names no file has no entry to write or remove.
    fake.files.executable = "/opt/horavista/";
    program.start();
    box().click();
    EXPECT_EQ(entry(), "(none)");
    fake.logInStart.entry = "left";
    box().click();
    EXPECT_EQ(entry(), "left");
}

TEST_F(StartUpEntryTest, RestoringTheBoxAtLoadRegistersNothing)
{
    fake.settings.write(settings::kWindowsStartup, "On");
    program.start();
    program.unloadClockWindow();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(entry(), "(none)");
}

TEST_F(StartUpEntryTest, AnEntryThatCannotBeWrittenIsReportedAndTheBoxGoesBackToOff)
{
    program.start();
    fake.logInStart.refusal = RuntimeError::permissionDenied();
    box().click();
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(stored(), "Off");
    EXPECT_EQ(entry(), "(none)");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text, errorReportText("Permission denied", "Form1.Check3_Click", 102));
}

TEST_F(StartUpEntryTest, AnEntryThatCannotBeRemovedIsReportedAndTheBoxStaysOn)
{
    program.start();
    box().click();
    fake.logInStart.refusal = RuntimeError::permissionDenied();
    box().click();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(stored(), "On");
    EXPECT_EQ(entry(), "/opt/horavista/horavista");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text, errorReportText("Permission denied", "Form1.Check3_Click", 102));
}

// The entry follows the stored switch: an On that cannot be stored leaves
// no entry behind a box the next start would show clear.
TEST_F(StartUpEntryTest, AnOnThatCannotBeStoredTakesTheEntryBackAndClearsTheBox)
{
    program.start();
    fake.logInStart.entry = "/opt/horavista/horavista"; // left from an earlier run
    fake.settings.refusal = "Permission denied";
    box().click();
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(stored(), "Off");
    EXPECT_EQ(entry(), "(none)");
    EXPECT_EQ(fake.boxes.shown.size(), 1u) << "the failed save, and nothing else";
}

// The user asked for no start at log-in; an entry is never left for an Off
// the store could not take.
TEST_F(StartUpEntryTest, AnOffThatCannotBeStoredStillRemovesTheEntry)
{
    program.start();
    box().click();
    fake.settings.refusal = "Permission denied";
    box().click();
    EXPECT_EQ(box().value(), 0);
    EXPECT_EQ(entry(), "(none)");
}

} // namespace
} // namespace hv
