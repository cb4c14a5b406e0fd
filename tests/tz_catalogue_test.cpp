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
    add({"Here", "(UTC) Here", tziBytes(0)}, kNtPath);
    add({"There", "(UTC) There", tziBytes(0)}, k9xPath);
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
    add({"Bare", {}, std::vector<std::uint8_t>(Tzi::kSize)}); // after a zone with values, so nothing carries over
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

// Rules that are missing, cut short or overlong, or that put a zone a day
// or more from UTC would show another time or none: the zone is left out,
// said on stderr, and the zones after it are read.
TEST_F(Catalogue, AZoneWithoutSoundRulesIsLeftOutAndSaidOnStderr)
{
    const auto withBiases = [](std::int32_t bias, std::int32_t standard, std::int32_t daylight) {
        Tzi t;
        t.bias = bias;
        t.standardBias = standard;
        t.daylightBias = daylight;
        const Tzi::Bytes b = t.toBytes();
        return std::vector<std::uint8_t>(b.begin(), b.end());
    };
    const std::optional<std::vector<std::uint8_t>> damaged[] = {
        std::nullopt, tziBytes(-330, 10), tziBytes(-330, 43), tziBytes(-330, 45), tziBytes(-330, 61),
        withBiases(0x7FFFFFFF, 0, 0), withBiases(-1440, 0, 0), withBiases(-840, 0, -600), withBiases(0, 0x7FFFFFFF, 0),
    };
    for (const auto& tzi : damaged) {
        registry = FakeRegistry{};
        add({"Damaged", "(UTC+05:30) Chennai", tzi});
        add({"Sound", "(UTC+14:00) Kiritimati", withBiases(-840, 0, 0)});
        TimeZoneCatalogue fresh{registry, system, boxes, lifetime};
        testing::internal::CaptureStderr();
        fresh.LoadTimeZones();
        const std::string said = testing::internal::GetCapturedStderr();

        const std::size_t length = tzi ? tzi->size() : 0;
        EXPECT_EQ(fresh.TimeZoneKeyNames(), std::vector<std::string>{"Sound"}) << length << " bytes";
        EXPECT_EQ(fresh.entry(0).bias(), -840);
        EXPECT_NE(said.find("\"Damaged\""), std::string::npos) << said;
    }
    registry = FakeRegistry{};
    add({"Typed as text", "(UTC) x"});
    registry.setString(reg::kHKeyLocalMachine, kNtPath + "\\Typed as text", "TZI", std::string(43, 'x'));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(catalogue.EnumTimeZones(kNtPath));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Catalogue, AnEnumerationErrorEndsTheListKeepingZonesRead)
{
    for (const char* name : {"A", "B", "C", "D"})
        add({name, "(UTC) x", tziBytes(0)});
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

    // Not one zone opens: the load says so, and what the last load read
    // stays.
    refuse("C");
    EXPECT_FALSE(catalogue.EnumTimeZones(kNtPath));
    EXPECT_EQ(keyNames(), std::vector<std::string>{"C"});
}

// List positions are 16-bit: the first 32767 zones are kept, and the
// program goes on without an error.
TEST_F(Catalogue, MoreZonesThanAListHoldsKeepTheFirstAndSaySo)
{
    constexpr int kZones = 32769;
    const std::vector<std::uint8_t> tzi = tziBytes(0);
    for (int i = 0; i < kZones; ++i)
        registry.setBinary(reg::kHKeyLocalMachine, kNtPath + "\\Z" + std::to_string(i), "TZI", tzi);
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

    add({"A", "(UTC) A", tziBytes(0)});
    add({"B", "(UTC) B", tziBytes(0)});
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
