// The time-zone catalogue read from the registry, and the bias of the
// computer's own zone.
#include "fakes/fake_platform.h"
#include "fakes/fake_registry.h"
#include "platform/runtime.h"
#include "tz/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace hv {
namespace {

using fakes::FakeRegistry;

const std::string kNtPath = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
const std::string k9xPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones";

// A zone as the registry holds it; a value left out is missing.
struct Zone {
    std::string name;
    std::optional<std::string> display = {};
    std::optional<std::vector<std::uint8_t>> tzi = {};
    std::string std = {}, dlt = {}, mapId = {};
};

std::vector<std::uint8_t> tziBytes(std::int32_t bias, std::size_t length = Tzi::kSize)
{
    Tzi t;
    t.bias = bias;
    t.daylightBias = -60;
    const Tzi::Bytes b = t.toBytes();
    std::vector<std::uint8_t> bytes(b.begin(), b.end());
    bytes.resize(length, 0xEE);
    return bytes;
}

class Catalogue : public ::testing::Test {
protected:
    void add(const Zone& z, const std::string& path = kNtPath)
    {
        const std::string key = path + "\\" + z.name;
        registry.key(reg::kHKeyLocalMachine, key);
        if (z.display)
            registry.setString(reg::kHKeyLocalMachine, key, "Display", *z.display);
        if (z.tzi)
            registry.setBinary(reg::kHKeyLocalMachine, key, "TZI", *z.tzi);
        const auto setText = [&](const std::string& name, const std::string& text) {
            if (!text.empty())
                registry.setString(reg::kHKeyLocalMachine, key, name, text);
        };
        setText("Std", z.std);
        setText("Dlt", z.dlt);
        setText("MapID", z.mapId);
    }
    void refuse(const std::string& zone)
    {
        registry.refuseOpen.insert(FakeRegistry::id(reg::kHKeyLocalMachine, kNtPath + "\\" + zone));
    }
    std::vector<std::string> keyNames() const { return catalogue.TimeZoneKeyNames(); }

    void TearDown() override { EXPECT_TRUE(registry.openHandles().empty()) << "a key was left open"; }

    fakes::Log log;
    FakeRegistry registry;
    fakes::FakeSystemInfo system;
    fakes::FakeMessageBoxes boxes{log};
    fakes::FakeLifetime lifetime{log};
    TimeZoneCatalogue catalogue{registry, system, boxes, lifetime};
};

TEST_F(Catalogue, ReadsTheKeyOfTheOperatingSystemFamily)
{
    const struct {
        std::uint32_t platform, major;
        std::string path;
    } cases[] = {
        {1, 4, k9xPath},
        {2, 3, k9xPath},
        {2, 4, kNtPath},
        {2, 10, kNtPath},
    };
    add({"Here", "(UTC) Here"}, kNtPath);
    add({"There", "(UTC) There"}, k9xPath);
    for (const auto& c : cases) {
        system.platformId = c.platform;
        system.major = c.major;
        EXPECT_EQ(catalogue.WindowsKeyPath() + "Time Zones", c.path);
        catalogue.LoadTimeZones();
        EXPECT_EQ(keyNames(), std::vector<std::string>{c.path == kNtPath ? "Here" : "There"});
    }
}

TEST_F(Catalogue, KeepsTheRegistryOrderAndEveryValue)
{
    add({"W. Europe Standard Time", "(UTC+01:00) Amsterdam", tziBytes(-60), "W. Europe Standard Time",
         "W. Europe Daylight Time", "4,1"});
    add({"India Standard Time", "(UTC+5:30)  Chennai ", tziBytes(-330), " India Standard Time "});
    add({"Bare"}); // after a zone with values, so nothing carries over
    catalogue.LoadTimeZones();

    EXPECT_EQ(keyNames(), (std::vector<std::string>{"W. Europe Standard Time", "India Standard Time", "Bare"}));
    const TimeZoneEntry& europe = catalogue.entry(0);
    EXPECT_EQ(std::vector<std::uint8_t>(europe.TZI.begin(), europe.TZI.end()), tziBytes(-60));
    EXPECT_EQ(europe.Dlt, "W. Europe Daylight Time");
    EXPECT_EQ(europe.MapID, "4,1");
    const TimeZoneEntry& india = catalogue.entry(1);
    EXPECT_EQ(india.Display, "(UTC+05:30) Chennai");
    EXPECT_EQ(india.Std, "India Standard Time");
    EXPECT_EQ(india.bias(), -330);
    const TimeZoneEntry& bare = catalogue.entry(2);
    EXPECT_EQ(bare.TZI, Tzi::Bytes{});
    EXPECT_EQ(bare.Display, "() ");
    EXPECT_EQ(bare.Std + bare.Dlt + bare.MapID, "");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Catalogue, AZoneThatWillNotOpenLeavesNoHole)
{
    add({"A", "(UTC+01:00) A", tziBytes(-60)});
    add({"B", "(UTC+02:00) B", tziBytes(-120)});
    add({"C", "(UTC+03:00) C", tziBytes(-180)});
    refuse("B");
    catalogue.LoadTimeZones();

    EXPECT_EQ(keyNames(), (std::vector<std::string>{"A", "C"}));
    ASSERT_EQ(catalogue.TimeZoneList().size(), 2u);
    EXPECT_EQ(catalogue.entry(1).Display, "(UTC+03:00) C");
    EXPECT_EQ(catalogue.entry(1).bias(), -180);
}

TEST_F(Catalogue, KeepsOnlyTheBlockOfAnyTziLength)
{
    const auto full = tziBytes(-330);
    const struct {
        std::size_t length;
        std::size_t bytesKept; // from the value; the rest of the block stays zero
    } cases[] = {{10, 10}, {44, 44}, {45, 44}, {60, 44}, {61, 0}};
    for (const auto& c : cases) {
        registry = FakeRegistry{};
        add({"Zone", "(UTC+05:30) Chennai", tziBytes(-330, c.length), "India Standard Time", "India Daylight Time",
             "5,6"});
        TimeZoneCatalogue fresh{registry, system, boxes, lifetime};
        fresh.LoadTimeZones();

        const TimeZoneEntry& zone = fresh.entry(0);
        Tzi::Bytes expected{};
        std::copy_n(full.begin(), c.bytesKept, expected.begin());
        EXPECT_EQ(zone.TZI, expected) << c.length << " bytes";
        EXPECT_EQ(zone.Display + '|' + zone.Std + '|' + zone.MapID, "(UTC+05:30) Chennai|India Standard Time|5,6")
            << c.length << " bytes";
    }
}

TEST_F(Catalogue, AnEnumerationErrorEndsTheListKeepingZonesRead)
{
    for (const char* name : {"A", "B", "C", "D"})
        add({name, "(UTC) x"});
    registry.enumErrorAt[2] = reg::kAccessDenied;
    catalogue.LoadTimeZones();

    EXPECT_EQ(keyNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(boxes.shown.empty());
}

// A standard user may read HKEY_LOCAL_MACHINE but not write there: the
// catalogue asks for no right it does not use.
TEST_F(Catalogue, AStandardUserReadsTheWholeCatalogue)
{
    registry.standardUser = true;
    add({"A", "(UTC) A", tziBytes(0)});
    add({"B", "(UTC+01:00) B", tziBytes(-60)});

    catalogue.LoadTimeZones();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(log.empty()) << "the program must not end";
    EXPECT_EQ(keyNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(catalogue.entry(1).bias(), -60);
}

TEST_F(Catalogue, AMissingCatalogueKeySaysSoOnceAndEndsTheProgram)
{
    add({"A", "(UTC) A", tziBytes(0)});
    catalogue.LoadTimeZones();
    registry.refuseOpen.insert(FakeRegistry::id(reg::kHKeyLocalMachine, kNtPath));

    EXPECT_THROW(catalogue.LoadTimeZones(), fakes::EndedNow);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, " [HKey_Local_Machine] " + kNtPath);
    EXPECT_EQ(boxes.shown[0].style, 80);
    EXPECT_EQ(boxes.shown[0].title, "");
    EXPECT_EQ(log, (fakes::Log{"box", "endNow 1"}));
    EXPECT_EQ(keyNames(), std::vector<std::string>{"A"});
}

// Where the system has something to say about what is missing, its one
// sentence leads the message, on a line of its own.
TEST_F(Catalogue, TheSystemsNoteLeadsTheMissingCatalogueMessage)
{
    system.catalogueNote = "No zones in /nowhere; the tzdata package has them.";
    EXPECT_THROW(catalogue.LoadTimeZones(), fakes::EndedNow);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "No zones in /nowhere; the tzdata package has them.\r\n [HKey_Local_Machine] " + kNtPath);
    EXPECT_EQ(boxes.shown[0].style, 80);
    EXPECT_EQ(boxes.shown[0].title, "");
}

TEST_F(Catalogue, AReloadRebuildsTheTablesFromTheFirstSlot)
{
    for (const char* name : {"A", "B", "C"})
        add({name, std::string("(UTC) ") + name, tziBytes(-60)});
    catalogue.LoadTimeZones();
    refuse("A");
    refuse("B");
    catalogue.LoadTimeZones();
    EXPECT_EQ(keyNames(), std::vector<std::string>{"C"});
    ASSERT_EQ(catalogue.TimeZoneList().size(), 1u);
    EXPECT_EQ(catalogue.entry(0).Display, "(UTC) C");

    // The first slot of a reload starts empty: a zone there without "TZI"
    // does not keep the bias of the zone that had the slot before.
    add({"D", std::string("(UTC) D")});
    refuse("C");
    catalogue.LoadTimeZones();
    EXPECT_EQ(keyNames(), std::vector<std::string>{"D"});
    EXPECT_EQ(catalogue.entry(0).bias(), 0);

    // Not one zone opens: what the last load read stays.
    refuse("D");
    EXPECT_TRUE(catalogue.EnumTimeZones(kNtPath));
    EXPECT_EQ(keyNames(), std::vector<std::string>{"D"});
}

// List positions are 16-bit: the first 32767 zones are kept, and the
// program goes on without an error.
TEST_F(Catalogue, MoreZonesThanAListHoldsKeepTheFirstAndSaySo)
{
    constexpr int kZones = 32769;
    for (int i = 0; i < kZones; ++i)
        registry.key(reg::kHKeyLocalMachine, kNtPath + "\\Z" + std::to_string(i));
    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(catalogue.LoadTimeZones());
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(catalogue.TimeZoneList().size(), std::size_t{32767});
    EXPECT_EQ(catalogue.keyName(32766), "Z32766");
    EXPECT_NE(said.find("keeps the first 32767"), std::string::npos) << said;
    EXPECT_TRUE(boxes.shown.empty());
}

// A name too long for the enumeration's buffer loses that zone alone.
TEST_F(Catalogue, AZoneWhoseNameDoesNotFitIsLeftOutAndTheRestRead)
{
    const std::string longName(2048, 'L'); // with its NUL, one past the buffer
    add({"A", "(UTC+01:00) A", tziBytes(-60)});
    add({longName, "(UTC+02:00) Long", tziBytes(-120)});
    add({"C", "(UTC+03:00) C", tziBytes(-180)});
    testing::internal::CaptureStderr();
    catalogue.LoadTimeZones();
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(keyNames(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(catalogue.entry(1).bias(), -180);
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

    add({"A", "(UTC) A"});
    add({"B", "(UTC) B"});
    catalogue.LoadTimeZones();
    EXPECT_EQ(catalogue.upperBound(), 1);
    for (const std::int32_t index : {-1, 2}) {
        EXPECT_TRUE(outOfRange([&] { return catalogue.entry(index); })) << index;
        EXPECT_TRUE(outOfRange([&] { return catalogue.keyName(index); })) << index;
    }
    EXPECT_EQ(catalogue.keyName(1), "B");
}

TEST_F(Catalogue, CurrentBiasIsTheStandardBiasAlsoInDaylightTime)
{
    system.zone.bias = -60;
    system.zone.daylightBias = -60;
    system.zoneId = SystemInfo::kTimeZoneIdDaylight;
    EXPECT_EQ(catalogue.GetCurrentBias(), -60);
}

} // namespace
} // namespace hv
