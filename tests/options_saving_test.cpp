// What the user is told when options cannot be saved, or when saving them
// replaced a damaged options file: once a run for a save that fails, with
// the file named, whichever window stored the option.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <string>

namespace hv {
namespace {

using fakes::FakeSettingsStore;

const std::string kFile(FakeSettingsStore::kFile);

struct OptionsSavingTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    fakes::FakeWindowState& options() { return fake.windows.last("Form1"); }
};

TEST_F(OptionsSavingTest, ASaveThatFailsIsReportedOnceARunNamingTheFileAndWhy)
{
    fake.settings.refusal = "Permission denied";
    program.start(); // the load stores what it restores, and cannot
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text,
        "Horavista could not save its options to " + kFile
            + ": Permission denied.\r\nChanges made now will be lost when it closes.");
    EXPECT_EQ(fake.boxes.shown[0].style, 48);
    EXPECT_EQ(fake.boxes.shown[0].title, "Horavista");

    // Every later change fails too, and says nothing more.
    options().checkBox("Check1").click();
    options().checkBox("Check4").click();
    options().click("PushButton5");
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
    // What could not be saved still holds for this run.
    EXPECT_EQ(fake.settings.get(settings::kHideHint, "(absent)"), "1");
}

TEST_F(OptionsSavingTest, AFailureMetWhileAnotherBoxIsOpenIsToldAtTheNextFailure)
{
    program.start();
    fake.settings.refusal = "Permission denied";
    // The help box is open when a save fails: its report is left out, and
    // so does not count as told.
    fake.boxes.whileOpen = [&] {
        fake.boxes.whileOpen = nullptr;
        options().checkBox("Check1").click();
    };
    options().click("PushButton2");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);

    options().checkBox("Check4").click();
    ASSERT_EQ(fake.boxes.shown.size(), 2u);
    EXPECT_NE(fake.boxes.shown[1].text.find(kFile + ": Permission denied."), std::string::npos);
}

TEST_F(OptionsSavingTest, TheColourWindowsFailedSaveIsReportedToo)
{
    program.start();
    fake.settings.refusal = "Read-only file system";
    options().click("PushButton4");
    fake.colourDialog.pick = 255;
    fake.windows.last("Form3").click("Label1");
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_NE(fake.boxes.shown[0].text.find(kFile + ": Read-only file system."), std::string::npos);
}

TEST_F(OptionsSavingTest, SavesThatWorkSayNothing)
{
    program.start();
    options().checkBox("Check1").click();
    options().click("PushButton5");
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(OptionsSavingTest, ADamagedFileReplacedByASaveIsReportedWithBothFilesNamed)
{
    fake.settings.damagedCopy = kFile + ".bak";
    program.start();
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(fake.boxes.shown[0].text,
        "Horavista could not read every line of " + kFile
            + ", and options on those lines are back at their defaults.\r\n"
              "The file as it was is kept in "
            + kFile + ".bak.");
    EXPECT_EQ(fake.boxes.shown[0].style, 48);
    options().checkBox("Check1").click();
    EXPECT_EQ(fake.boxes.shown.size(), 1u);
}

} // namespace
} // namespace hv
