// The time-zone catalogue read into the list's tables, with the rules the
// program keeps over what the system's catalogue gives.
#include "fakes/fake_services.h"
#include "fakes/fake_zone_catalogue.h"
#include "runtime/runtime.h"
#include "tz/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hv {
namespace {

const std::string kMissing = " [HKey_Local_Machine] SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

class Catalogue : public ::testing::Test {
protected:
    std::vector<std::string> keyNames() const { return catalogue.TimeZoneKeyNames(); }

    fakes::Log log;
    fakes::FakeZoneCatalogue zones;
    fakes::FakeMessageBoxes boxes{log};
    fakes::FakeLifetime lifetime{log};
    TimeZoneCatalogue catalogue{zones, boxes, lifetime};
};

TEST_F(Catalogue, KeepsTheCatalogueOrderAndShowsEachDisplayInTheListsForm)
{
    zones.list = {
        {"W. Europe Standard Time", "(UTC+01:00) Amsterdam", -60},
        {"India Standard Time", "(UTC+5:30)  Chennai ", -330}, {"Bare", "", 0},
        {"Overlong", "(UTC+02:00) " + std::string(2036, 'x'), -120}, // no room for its NUL in the text buffer
    };
    catalogue.LoadTimeZones();

    EXPECT_EQ(
        keyNames(), (std::vector<std::string>{"W. Europe Standard Time", "India Standard Time", "Bare", "Overlong"}));
    EXPECT_EQ(catalogue.entry(0).Display, "(UTC+01:00) Amsterdam");
    EXPECT_EQ(catalogue.entry(1).Display, "(UTC+05:30) Chennai");
    EXPECT_EQ(catalogue.entry(1).bias, -330);
    EXPECT_EQ(catalogue.entry(2).Display, "() ");
    EXPECT_EQ(catalogue.entry(3).Display, "() ");
    EXPECT_EQ(catalogue.entry(3).bias, -120);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Catalogue, AMissingCatalogueSaysSoOnceAndEndsTheProgram)
{
    zones.list = {{"A", "(UTC) A", 0}};
    catalogue.LoadTimeZones();
    zones.list.clear();

    EXPECT_THROW(catalogue.LoadTimeZones(), fakes::EndedNow);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kMissing);
    EXPECT_EQ(boxes.shown[0].style, 80);
    EXPECT_EQ(boxes.shown[0].title, "");
    EXPECT_EQ(log, (fakes::Log{"box", "endNow 1"}));
    EXPECT_EQ(keyNames(), std::vector<std::string>{"A"});
}

// Where the system has something to say about what is missing, its one
// sentence leads the message, on a line of its own.
TEST_F(Catalogue, TheSystemsNoteLeadsTheMissingCatalogueMessage)
{
    zones.list.clear();
    zones.catalogueNote = "No zones in /nowhere; the tzdata package has them.";
    EXPECT_THROW(catalogue.LoadTimeZones(), fakes::EndedNow);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "No zones in /nowhere; the tzdata package has them.\r\n" + kMissing);
    EXPECT_EQ(boxes.shown[0].style, 80);
    EXPECT_EQ(boxes.shown[0].title, "");
}

TEST_F(Catalogue, AReloadRebuildsTheTablesFromTheFirstSlot)
{
    zones.list = {{"A", "(UTC) A", -60}, {"B", "(UTC) B", -60}, {"C", "(UTC) C", -60}};
    catalogue.LoadTimeZones();
    zones.list = {{"C", "(UTC) C", -60}};
    catalogue.LoadTimeZones();
    EXPECT_EQ(keyNames(), std::vector<std::string>{"C"});
    ASSERT_EQ(catalogue.TimeZoneList().size(), 1u);
    EXPECT_EQ(catalogue.entry(0).Display, "(UTC) C");
}

// List positions are 16-bit: the first 32767 zones are kept, and the
// program goes on without an error.
TEST_F(Catalogue, MoreZonesThanAListHoldsKeepTheFirstAndSaySo)
{
    zones.list.clear();
    for (int i = 0; i < 32769; ++i)
        zones.list.push_back({"Z" + std::to_string(i), "", 0});
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(catalogue.LoadTimeZones());
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(catalogue.TimeZoneList().size(), std::size_t{32767});
    EXPECT_EQ(catalogue.keyName(32766), "Z32766");
    EXPECT_NE(said.find("keeps the first 32767"), std::string::npos) << said;
    EXPECT_TRUE(boxes.shown.empty());
}

// A name too long for the old name buffer loses that zone alone.
TEST_F(Catalogue, AZoneWhoseNameDoesNotFitIsLeftOutAndTheRestRead)
{
    zones.list = {{"A", "(UTC+01:00) A", -60},
        {std::string(2048, 'L'), "(UTC+02:00) Long", -120}, // with its NUL, one past the buffer
        {"C", "(UTC+03:00) C", -180}};
    testing::internal::CaptureStderr();
    catalogue.LoadTimeZones();
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(keyNames(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(catalogue.entry(1).bias, -180);
    EXPECT_NE(said.find("time zone 1 of the catalogue"), std::string::npos) << said;
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Catalogue, TablesRefuseIndicesOutsideThem)
{
    const auto outOfRange = [](auto&& call) {
        try {
            call();
        } catch (const RuntimeError& e) {
            return e.number() == RuntimeError::subscriptOutOfRange().number();
        }
        return false;
    };
    EXPECT_TRUE(outOfRange([&] { return catalogue.upperBound(); }));
    EXPECT_TRUE(outOfRange([&] { return catalogue.entry(0); }));

    zones.list = {{"A", "(UTC) A", 0}, {"B", "(UTC) B", 0}};
    catalogue.LoadTimeZones();
    EXPECT_EQ(catalogue.upperBound(), 1);
    for (const std::int32_t index : {-1, 2}) {
        EXPECT_TRUE(outOfRange([&] { return catalogue.entry(index); })) << index;
        EXPECT_TRUE(outOfRange([&] { return catalogue.keyName(index); })) << index;
    }
    EXPECT_EQ(catalogue.keyName(1), "B");
}

} // namespace
} // namespace hv
