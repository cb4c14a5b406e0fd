// The log-in entry behind "Load this software on Windows startup": what
// ticking and clearing the box writes to the user's Run key, and what the
// user sees when the entry cannot be written or deleted.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "platform/error_report.h"
#include "platform/runtime.h"
#include "shared/settings_keys.h"
#include "system/reg_stuff.h"

#include <gtest/gtest.h>

#include <string>

namespace hv {
namespace {

using fakes::FakeCheckBox;

const std::string kRun(kRunKey);
const std::string kRunId = fakes::FakeRegistry::id(reg::kHKeyCurrentUser, kRun);

struct StartUpEntryTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    FakeCheckBox& box() { return fake.windows.last("Form1").checkBox("Check3"); }
    std::string stored() { return fake.settings.get(settings::kWindowsStartup, "(absent)"); }
    // The entry's data as text, or "(none)".
    std::string entry(const std::string& name = "horavista")
    {
        const auto value = fake.registry.value(reg::kHKeyCurrentUser, kRun, name);
        if (!value)
            return "(none)";
        EXPECT_EQ(value->type, reg::kString);
        EXPECT_EQ(value->data.back(), 0) << "a text value ends in its NUL";
        return std::string(value->data.begin(), value->data.end() - 1);
    }
};

TEST_F(StartUpEntryTest, TickingRegistersTheRunningExecutableQuotedAndClearingRemovesIt)
{
    fake.files.executable = "/home/ada/My Apps/horavista";
    program.start();

    box().click();
    EXPECT_EQ(stored(), "On");
    EXPECT_EQ(entry(), "\"/home/ada/My Apps/horavista\"");
    EXPECT_TRUE(fake.registry.openHandles().empty());

    box().click();
    EXPECT_EQ(stored(), "Off");
    EXPECT_EQ(entry(), "(none)");

    // The user removed the entry some other way: clearing is no error.
    box().click();
    DeleteRunEntry(fake.registry, "horavista");
    box().click();
    EXPECT_EQ(stored(), "Off");
    EXPECT_TRUE(fake.boxes.shown.empty());
}

// Without an administrator's rights the list fills and the entry, which is
// the user's own, is written all the same.
TEST_F(StartUpEntryTest, AStandardUserGetsTheZoneListAndTheEntry)
{
    fake.registry.standardUser = true;
    program.start();
    EXPECT_TRUE(fake.boxes.shown.empty());
    EXPECT_GT(fake.windows.last("Form1").comboBox("Combo1").listCount(), 0);

    box().click();
    EXPECT_EQ(entry(), "\"/opt/horavista/horavista\"");
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
    for (auto refuse : {&fakes::FakeRegistry::refuseWrite, &fakes::FakeRegistry::refuseOpen}) {
        fake.boxes.shown.clear();
        fake.registry.*refuse = {kRunId};
        box().click();
        EXPECT_EQ(box().value(), 0);
        EXPECT_EQ(stored(), "Off");
        EXPECT_EQ(entry(), "(none)");
        ASSERT_EQ(fake.boxes.shown.size(), 1u);
        EXPECT_EQ(fake.boxes.shown[0].text, errorReportText("Permission denied", "Form1.Check3_Click", 102));
        fake.registry.*refuse = {};
    }
}

TEST_F(StartUpEntryTest, AnEntryThatCannotBeDeletedIsReportedAndTheBoxStaysOn)
{
    program.start();
    box().click();
    fake.registry.refuseWrite = {kRunId};
    box().click();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(stored(), "On");
    EXPECT_EQ(entry(), "\"/opt/horavista/horavista\"");
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
}

// The entry follows the stored switch: an On that cannot be stored leaves
// no entry behind a box the next start would show clear.
TEST_F(StartUpEntryTest, AnOnThatCannotBeStoredTakesTheEntryBackAndClearsTheBox)
{
    program.start();
    WriteRunEntry(fake.registry, "horavista", "/opt/horavista/horavista"); // left from an earlier run
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

// An entry under the machine-wide Run key, left by an earlier version or
// an administrator, would go on starting the program behind a cleared box:
// clearing removes it when it starts this program, and says so when it
// cannot, the box staying on.
TEST_F(StartUpEntryTest, ClearingAlsoRemovesAMachineWideEntryOfThisProgram)
{
    const auto machine = [&](const std::string& name) {
        return fake.registry.value(reg::kHKeyLocalMachine, kRun, name).has_value();
    };
    fake.registry.setString(reg::kHKeyLocalMachine, kRun, "horavista", "/OPT/horavista/horavista --from-admin");
    fake.registry.standardUser = true;
    program.start();
    box().click();
    box().click();
    EXPECT_EQ(box().value(), 1);
    EXPECT_EQ(stored(), "On");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text, errorReportText("Permission denied", "Form1.Check3_Click", 102));
    EXPECT_TRUE(machine("horavista"));
    EXPECT_NE(entry(), "(none)") << "the user's entry goes with the machine-wide one, not before it";

    fake.registry.standardUser = false;
    box().click();
    EXPECT_EQ(stored(), "Off");
    EXPECT_FALSE(machine("horavista"));
    EXPECT_EQ(entry(), "(none)");

    // Another program's entry of this name stays.
    fake.registry.setString(reg::kHKeyLocalMachine, kRun, "horavista", "\"C:\\Other\\horavista\"");
    box().click();
    box().click();
    EXPECT_TRUE(machine("horavista"));
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
}

TEST_F(StartUpEntryTest, WithoutARunKeyThereIsNothingToDeleteButNothingCanBeWritten)
{
    fakes::FakeRegistry empty;
    EXPECT_NO_THROW(DeleteRunEntry(empty, "horavista"));
    EXPECT_THROW(WriteRunEntry(empty, "horavista", "/opt/horavista/horavista"), RuntimeError);
    EXPECT_TRUE(empty.openHandles().empty());
}

} // namespace
} // namespace hv
