// The time-zone catalogue as the registry port hands it out, answered
// from the tz database in /usr/share/zoneinfo.
#include "qt/tz_test_support.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using namespace hv;
using namespace hv::tzsupport;
using qt::TzDatabaseRegistry;

class TzSystemCatalogue : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    TzDatabaseRegistry registry{"/usr/share/zoneinfo", fixedAt(utcMs(2026, 7, 1, 12))};
};

TEST_F(TzSystemCatalogue, ListsTheZonesOfTheTabFileThenUtcAndEndsWithNoMoreItems)
{
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, "software\\MICROSOFT\\windows nt\\currentversion\\TIME ZONES");
    ASSERT_NE(root, 0u);
    EXPECT_LT(root, 16u) << "handles are small numbers";
    const std::vector<std::string> names = subKeys(registry, root);
    ASSERT_GT(names.size(), 300u);
    EXPECT_EQ(names.back(), "UTC");
    EXPECT_EQ(std::count(names.begin(), names.end(), "UTC"), 1);
    EXPECT_NE(std::find(names.begin(), names.end(), "Asia/Kolkata"), names.end());
    std::array<char, 2048> name{};
    EXPECT_EQ(registry.enumKey(root, static_cast<std::uint32_t>(names.size()), name), reg::kNoMoreItems);
    EXPECT_EQ(registry.closeKey(root), reg::kSuccess);
}

TEST_F(TzSystemCatalogue, EveryZoneOpensWithADisplayTextAndATziBlock)
{
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    for (const std::string& name : subKeys(registry, root)) {
        const RegKey zone = openOrZero(registry, root, name);
        ASSERT_NE(zone, 0u) << name;
        EXPECT_EQ(text(registry, zone, "Display").rfind("(UTC", 0), 0u) << name;
        EXPECT_NE(text(registry, zone, "Std"), "") << name;
        tzi(registry, zone);
        registry.closeKey(zone);
    }
}

TEST_F(TzSystemCatalogue, ZonesCarryTheirStandardBiasDaylightSavingAndThisYearsChangeOvers)
{
    const struct {
        const char* id;
        const char* display; // its start
        std::int32_t bias, daylightBias;
        std::uint16_t daylightMonth, standardMonth;
    } cases[] = {
        {"Asia/Kolkata", "(UTC+05:30) Kolkata, India", -330, 0, 0, 0},
        {"Asia/Kathmandu", "(UTC+05:45) Kathmandu, Nepal", -345, 0, 0, 0},
        {"Europe/Berlin", "(UTC+01:00) Berlin, Germany", -60, -60, 3, 10},
        {"America/St_Johns", "(UTC-03:30) St Johns, Canada - ", 210, -60, 3, 11},
        {"America/Argentina/Buenos_Aires", "(UTC-03:00) Buenos Aires, Argentina", 180, 0, 0, 0},
        {"Australia/Sydney", "(UTC+10:00) Sydney, Australia - New South Wales", -600, -60, 10, 4},
        {"Australia/Lord_Howe", "(UTC+10:30) Lord Howe, Australia", -630, -30, 10, 4},
        // The tz database calls Irish winter time the exception; the
        // catalogue keeps Dublin at the bias people know it by.
        {"Europe/Dublin", "(UTC+00:00) Dublin, Ireland", 0, -60, 3, 10},
        {"UTC", "(UTC) Coordinated Universal Time", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const RegKey zone = openOrZero(registry, reg::kHKeyLocalMachine, std::string(kCatalogue) + "\\" + c.id);
        ASSERT_NE(zone, 0u) << c.id;
        EXPECT_EQ(text(registry, zone, "Display").rfind(c.display, 0), 0u) << text(registry, zone, "Display");
        const Tzi t = tzi(registry, zone);
        EXPECT_EQ(t.bias, c.bias) << c.id;
        EXPECT_EQ(t.standardBias, 0) << c.id;
        EXPECT_EQ(t.daylightBias, c.daylightBias) << c.id;
        EXPECT_EQ(t.daylightDate.month, c.daylightMonth) << c.id;
        EXPECT_EQ(t.standardDate.month, c.standardMonth) << c.id;
        if (c.daylightMonth == 0) {
            EXPECT_EQ(t.daylightDate, SystemTime{}) << c.id;
            EXPECT_EQ(t.standardDate, SystemTime{}) << c.id;
            EXPECT_EQ(text(registry, zone, "Dlt"), text(registry, zone, "Std")) << c.id;
        }
        registry.closeKey(zone);
    }
}

TEST_F(TzSystemCatalogue, RulesWorkedOutAheadAreThoseReadOnDemand)
{
    TzDatabaseRegistry ahead{"/usr/share/zoneinfo", fixedAt(utcMs(2026, 7, 1, 12))};
    ahead.prefetch();
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    const RegKey aheadRoot = openOrZero(ahead, reg::kHKeyLocalMachine, kCatalogue);
    for (const std::string& name : subKeys(registry, root)) {
        const RegKey zone = openOrZero(registry, root, name);
        const RegKey aheadZone = openOrZero(ahead, aheadRoot, name);
        EXPECT_EQ(tzi(ahead, aheadZone), tzi(registry, zone)) << name;
        EXPECT_EQ(text(ahead, aheadZone, "Dlt"), text(registry, zone, "Dlt")) << name;
        registry.closeKey(zone);
        ahead.closeKey(aheadZone);
    }
}

TEST_F(TzSystemCatalogue, ChangeOversAreLocalTimesBeforeTheChangeAndNamesComeFromTheDatabase)
{
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    const RegKey berlin = openOrZero(registry, root, "europe/BERLIN");
    ASSERT_NE(berlin, 0u) << "zone names compare without regard to case";
    const Tzi t = tzi(registry, berlin);
    EXPECT_EQ(t.daylightDate, (SystemTime{2026, 3, 0, 29, 2, 0, 0, 0})); // Sunday 02:00 CET
    EXPECT_EQ(t.standardDate, (SystemTime{2026, 10, 0, 25, 3, 0, 0, 0})); // Sunday 03:00 CEST
    EXPECT_EQ(text(registry, berlin, "Std"), "CET");
    EXPECT_EQ(text(registry, berlin, "Dlt"), "CEST");

    const RegKey kolkata = openOrZero(registry, root, "Asia/Kolkata");
    EXPECT_EQ(text(registry, kolkata, "Std"), "IST");
    EXPECT_EQ(text(registry, kolkata, "Dlt"), "IST");
    EXPECT_EQ(text(registry, kolkata, "mapid"), "IN");
    EXPECT_EQ(text(registry, openOrZero(registry, root, "UTC"), "Std"), "Coordinated Universal Time");
}

TEST_F(TzSystemCatalogue, ANewYearBringsThatYearsChangeOvers)
{
    std::int64_t now = utcMs(2026, 12, 31, 23, 59, 59);
    TzDatabaseRegistry clockRegistry("/usr/share/zoneinfo", [&now] { return now; });
    const std::string berlin = std::string(kCatalogue) + "\\Europe/Berlin";
    RegKey zone = openOrZero(clockRegistry, reg::kHKeyLocalMachine, berlin);
    EXPECT_EQ(tzi(clockRegistry, zone).daylightDate.day, 29);
    clockRegistry.closeKey(zone);
    now = utcMs(2027, 1, 1);
    zone = openOrZero(clockRegistry, reg::kHKeyLocalMachine, berlin);
    EXPECT_EQ(tzi(clockRegistry, zone).daylightDate, (SystemTime{2027, 3, 0, 28, 2, 0, 0, 0}));
}

TEST_F(TzSystemCatalogue, ABufferTooSmallGetsMoreDataAndIsLeftAlone)
{
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    const RegKey zone = openOrZero(registry, root, "Asia/Kolkata");

    std::array<std::uint8_t, 8> data;
    data.fill(0xAA);
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(registry.queryValue(zone, "Display", type, data, size), reg::kMoreData);
    EXPECT_EQ(size, text(registry, zone, "Display").size() + 1) << "the size needed";
    EXPECT_EQ(type, reg::kString);
    for (std::uint8_t b : data)
        EXPECT_EQ(b, 0xAA);

    std::array<std::uint8_t, Tzi::kSize - 1> shortTzi{};
    EXPECT_EQ(registry.queryValue(zone, "TZI", type, shortTzi, size), reg::kMoreData);
    EXPECT_EQ(size, Tzi::kSize);

    const std::vector<std::string> names = subKeys(registry, root);
    const auto index = static_cast<std::uint32_t>(std::find(names.begin(), names.end(), "Asia/Kolkata") - names.begin());
    std::array<char, 12> name{}; // "Asia/Kolkata" and its NUL need 13
    std::array<char, 13> fits{};
    EXPECT_EQ(registry.enumKey(root, index, name), reg::kMoreData);
    EXPECT_EQ(registry.enumKey(root, index, fits), reg::kSuccess);
}

TEST_F(TzSystemCatalogue, UnknownKeysAndValuesAreNotFound)
{
    RegKey key = 99;
    for (const std::string& path : {std::string(kCatalogue) + "\\Mars/Olympus_Mons",
                                   std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones"),
                                   std::string("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"), std::string(kCatalogue) + "\\"}) {
        EXPECT_EQ(registry.openKey(reg::kHKeyLocalMachine, path, 0, reg::kKeyAccess, key), reg::kFileNotFound) << path;
        EXPECT_EQ(key, 0u) << path;
    }
    EXPECT_EQ(registry.openKey(reg::kHKeyCurrentUser, kCatalogue, 0, reg::kKeyAccess, key), reg::kFileNotFound);

    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    const RegKey zone = openOrZero(registry, root, "Europe/Berlin");
    EXPECT_EQ(registry.openKey(zone, "Europe/Berlin", 0, reg::kKeyAccess, key), reg::kFileNotFound) << "zones have no sub-keys";
    EXPECT_EQ(text(registry, zone, "TzVersion"), "<missing>");
    EXPECT_EQ(text(registry, root, "Display"), "<missing>") << "the catalogue key holds no values";
    std::array<char, 64> name{};
    EXPECT_EQ(registry.enumKey(zone, 0, name), reg::kNoMoreItems);
}

TEST_F(TzSystemCatalogue, ClosedHandlesAreGoneAndTheirNumbersComeBack)
{
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    const RegKey zone = openOrZero(registry, root, "Europe/Berlin");
    EXPECT_EQ(registry.closeKey(zone), reg::kSuccess);
    EXPECT_NE(registry.closeKey(zone), reg::kSuccess);
    EXPECT_EQ(text(registry, zone, "Display"), "<missing>");
    std::array<char, 64> name{};
    EXPECT_NE(registry.enumKey(zone, 0, name), reg::kSuccess);
    EXPECT_EQ(openOrZero(registry, root, "Asia/Kolkata"), zone);
}

} // namespace
