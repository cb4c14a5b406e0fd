// The options window's zone list: filled from the catalogue in sorted
// order, the computer's own zone selected by default, the stored position
// restored with every way it can be wrong, and the choice handed to the
// clock.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "runtime/error_report.h"
#include "shared/settings_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace hv {
namespace {

struct ZoneListTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    fakes::FakeComboBox& list() { return fake.windows.last("Form1").comboBox("Combo1"); }
};

TEST_F(ZoneListTest, EntriesAreSortedAndPointBackAtTheirCatalogueEntry)
{
    program.start();
    const std::vector<std::string> keys
        = {"UTC", "Africa/Algiers", "Europe/Berlin", "Asia/Kolkata", "Asia/Kathmandu", "America/New_York"};
    ASSERT_EQ(list().listCount(), 6);
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(program.catalogue().keyName(list().itemData(p)), keys[static_cast<std::size_t>(p)]) << p;
    EXPECT_EQ(list().itemText(0), "(UTC) Coordinated Universal Time");
}

// The list fills once the window is on the screen; a clock opened before
// that still gets the chosen zone.
TEST_F(ZoneListTest, IsFilledOnceTheWindowIsOnTheScreenOrBeforeItIsUsed)
{
    fake.windows.onScreenAtOnce = false;
    fake.settings.write(settings::kTimeZoneName, "Asia/Kolkata");
    program.start();
    EXPECT_EQ(list().listCount(), 0);
    fake.windows.last("Form1").reachScreen();
    EXPECT_EQ(list().listCount(), 6);
    EXPECT_EQ(list().listIndex(), 3);

    fakes::FakePlatform early;
    early.windows.onScreenAtOnce = false;
    early.settings.write(settings::kTimeZoneName, "Asia/Kolkata");
    Program hurried(early.platform);
    hurried.start();
    early.windows.last("Form1").click("PushButton1");
    EXPECT_EQ(hurried.clockWindow()->zoneKey, "Asia/Kolkata");
    EXPECT_TRUE(early.boxes.shown.empty());
}

TEST_F(ZoneListTest, DefaultIsTheComputersZoneByNameThenTheFirstWithItsBias)
{
    const struct {
        const char* keyName;
        std::int32_t bias;
        int selected;
    } cases[] = {
        {"Europe/Berlin", -60, 2}, // by name, though Algiers shares the bias and sorts first
        {"Europe/Paris", -60, 1}, // not in the catalogue: the first with the bias
        {"", -330, 3}, // no name known
        {"Pacific/Chatham", -765, 0}, // neither: the first entry
    };
    for (const auto& c : cases) {
        fakes::FakePlatform f;
        f.zones.zoneKeyName = c.keyName;
        f.zones.bias = c.bias;
        Program p(f.platform);
        p.start();
        EXPECT_EQ(f.windows.last("Form1").comboBox("Combo1").listIndex(), c.selected) << c.keyName;
        EXPECT_EQ(f.settings.values().at("Combo1"), std::to_string(c.selected)) << c.keyName;
        EXPECT_TRUE(f.boxes.shown.empty());
    }
}

// A computer on a zone the catalogue has no entry for (a POSIX zone such as
// CET-1CEST) starts on the entry that keeps its time best, the first in
// list order among equals; only when none does, on the first with its bias.
TEST_F(ZoneListTest, AZoneOutsideTheCatalogueGetsTheEntryThatKeepsItsTime)
{
    using enum ZoneAgreement;
    const struct {
        const char* what;
        std::map<std::string, ZoneAgreement> agreements;
        int selected;
        std::vector<std::string> asked;
    } cases[] = {
        {"since 1970", {{"Europe/Berlin", Since1970}}, 2, {"UTC", "Africa/Algiers", "Europe/Berlin"}},
        {"since 1970 beats this year", {{"Africa/Algiers", ThisYearAndNext}, {"Europe/Berlin", Since1970}}, 2,
            {"UTC", "Africa/Algiers", "Europe/Berlin"}},
        {"the first of equals", {{"Africa/Algiers", ThisYearAndNext}, {"Europe/Berlin", ThisYearAndNext}}, 1,
            {"UTC", "Africa/Algiers", "Europe/Berlin", "Asia/Kolkata", "Asia/Kathmandu", "America/New_York"}},
        {"agreement beats the bias", {{"Asia/Kolkata", ThisYearAndNext}}, 3,
            {"UTC", "Africa/Algiers", "Europe/Berlin", "Asia/Kolkata", "Asia/Kathmandu", "America/New_York"}},
        {"none: the bias", {}, 1,
            {"UTC", "Africa/Algiers", "Europe/Berlin", "Asia/Kolkata", "Asia/Kathmandu", "America/New_York"}},
    };
    for (const auto& c : cases) {
        fakes::FakePlatform f;
        f.zones.zoneKeyName = "CET-1CEST,M3.5.0,M10.5.0/3";
        f.zones.agreements = c.agreements;
        Program p(f.platform);
        p.start();
        EXPECT_EQ(f.windows.last("Form1").comboBox("Combo1").listIndex(), c.selected) << c.what;
        EXPECT_EQ(f.zones.agreementAsked, c.asked) << c.what;
        EXPECT_TRUE(f.boxes.shown.empty()) << c.what;
    }

    // A zone the catalogue has by name needs no comparing.
    fake.zones.agreements = {{"Africa/Algiers", Since1970}};
    program.start();
    EXPECT_EQ(list().listIndex(), 2);
    EXPECT_TRUE(fake.zones.agreementAsked.empty());
}

TEST_F(ZoneListTest, StoredPositionIsRestoredOrReported)
{
    const struct {
        const char* stored;
        int selected;
        std::string error; // reported by the list, empty when none
    } cases[] = {
        {"4", 4, ""},
        {"0", 0, ""},
        {"5.5", -1, "Invalid property value"}, // rounds to 6, past the last entry
        {"4.5", 4, ""}, // rounds half to even
        {"6", -1, "Invalid property value"},
        {"-2", -1, "Invalid property value"},
        {"abc", -1, "Type mismatch"},
        {"40000", -1, "Overflow"},
        {"-1", -1, ""},
    };
    for (const auto& c : cases) {
        fakes::FakePlatform f;
        f.settings.write(settings::kTimeZone, c.stored);
        Program p(f.platform);
        p.start();
        SCOPED_TRACE(c.stored);
        auto& combo = f.windows.last("Form1").comboBox("Combo1");
        EXPECT_EQ(combo.listIndex(), c.selected);
        std::vector<std::string> expected;
        if (!c.error.empty())
            expected.push_back(errorReportText(c.error, "Form1.ListTimeZones", 110));
        EXPECT_EQ(f.boxes.texts(), expected);
        // Only a selection writes its position back.
        EXPECT_EQ(f.settings.values().at("Combo1"), c.selected >= 0 ? std::to_string(c.selected) : c.stored);
    }
}

// A tz database update that adds a zone before the chosen one moves it
// down the list: the stored key keeps the choice, and its position follows.
TEST_F(ZoneListTest, TheChosenZoneStaysChosenWhenTheListGainsAZone)
{
    program.start();
    list().setListIndex(4);
    EXPECT_EQ(fake.settings.values().at("Time Zone"), "Asia/Kathmandu");

    fake.zones.list.push_back({"Asia/Baghdad", "(UTC+03:00) Baghdad, Iraq", -180});
    Program nextRun(fake.platform);
    nextRun.start();
    EXPECT_EQ(nextRun.catalogue().keyName(list().itemData(list().listIndex())), "Asia/Kathmandu");
    EXPECT_EQ(fake.settings.values().at("Combo1"), "5");
    EXPECT_TRUE(fake.boxes.shown.empty());
}

TEST_F(ZoneListTest, AStoredZoneTheListHasWinsOverThePositionElseThePositionHolds)
{
    const struct {
        const char* zone;
        const char* position;
        int selected;
        std::string error; // reported by the list, empty when none
        const char* storedZone; // afterwards
    } cases[] = {
        {"Asia/Kolkata", "0", 3, "", "Asia/Kolkata"},
        {"Asia/Kolkata", "abc", 3, "", "Asia/Kolkata"}, // the position is not even read
        {"Asia/Kolkata", "-1", 3, "", "Asia/Kolkata"},
        {"Mars/Olympus_Mons", "4", 4, "", "Asia/Kathmandu"}, // gone from the list
        {"asia/kolkata", "1", 1, "", "Africa/Algiers"}, // keys keep their case
        {"", "4", 4, "", "Asia/Kathmandu"},
        {"Mars/Olympus_Mons", "abc", -1, "Type mismatch", "Mars/Olympus_Mons"},
        {"Mars/Olympus_Mons", "9", -1, "Invalid property value", "Mars/Olympus_Mons"},
    };
    for (const auto& c : cases) {
        fakes::FakePlatform f;
        f.settings.write(settings::kTimeZoneName, c.zone);
        f.settings.write(settings::kTimeZone, c.position);
        Program p(f.platform);
        p.start();
        SCOPED_TRACE(std::string(c.zone) + " at " + c.position);
        EXPECT_EQ(f.windows.last("Form1").comboBox("Combo1").listIndex(), c.selected);
        std::vector<std::string> expected;
        if (!c.error.empty())
            expected.push_back(errorReportText(c.error, "Form1.ListTimeZones", 110));
        EXPECT_EQ(f.boxes.texts(), expected);
        EXPECT_EQ(f.settings.values().at("Combo1"), c.selected >= 0 ? std::to_string(c.selected) : c.position);
        EXPECT_EQ(f.settings.values().at("Time Zone"), c.storedZone);
    }
}

TEST_F(ZoneListTest, NoSelectionOpensTheClockOnTheComputersOwnTime)
{
    fake.settings.write(settings::kTimeZone, "-1");
    program.start();
    fake.windows.last("Form1").click("PushButton1");

    EXPECT_EQ(fake.boxes.texts(),
        std::vector<std::string>{errorReportText("Invalid property array index", "Form1.PushButton1_Click", 102)});
    ASSERT_TRUE(fake.windows.loaded("Form2"));
    EXPECT_EQ(program.clockWindow()->zoneKey, "");
    EXPECT_FALSE(fake.windows.loaded("Form1"));
}

TEST_F(ZoneListTest, ChoosingTheComputersOwnZoneShowsItsTime)
{
    program.start();
    fake.windows.last("Form1").click("PushButton1");
    EXPECT_EQ(program.clockWindow()->zoneKey, "Europe/Berlin");
}

// No zone gives no list to choose from: the catalogue is as good as
// missing.
TEST_F(ZoneListTest, AMissingOrEmptyCatalogueSaysWhereItLookedAndEndsBeforeAnyWindowShows)
{
    fake.zones.list.clear();
    EXPECT_THROW(program.start(), fakes::EndedNow);
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_EQ(
        fake.boxes.shown[0].text, " [HKey_Local_Machine] SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones");
    EXPECT_EQ(fake.boxes.shown[0].style, 80);
    EXPECT_EQ(fake.boxes.shown[0].title, "");
    EXPECT_EQ(fake.log, (fakes::Log{"create Form1", "box", "endNow 1"}));
}

} // namespace
} // namespace hv
