// The time-zone catalogue answered from the tz database in
// /usr/share/zoneinfo.
#include "qt/tz_test_support.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace hv;
using namespace hv::tzsupport;

class TzSystemCatalogue : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    const CatalogueZone* find(const std::string& key) const
    {
        const auto found
            = std::find_if(zones.begin(), zones.end(), [&](const CatalogueZone& z) { return z.key == key; });
        return found == zones.end() ? nullptr : &*found;
    }

    const std::vector<CatalogueZone> zones
        = qt::TzZoneCatalogue("/usr/share/zoneinfo", fixedAt(utcMs(2026, 7, 1, 12))).zones();
};

TEST_F(TzSystemCatalogue, ListsTheZonesOfTheTabFileThenUtcEachWithADisplayText)
{
    const std::vector<std::string> keys = keysOf(zones);
    ASSERT_GT(keys.size(), 300u);
    EXPECT_EQ(keys.back(), "UTC");
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "UTC"), 1);
    EXPECT_NE(std::find(keys.begin(), keys.end(), "Asia/Kolkata"), keys.end());
    for (const CatalogueZone& zone : zones)
        EXPECT_EQ(zone.display.rfind("(UTC", 0), 0u) << zone.key;
}

TEST_F(TzSystemCatalogue, ZonesCarryTheirStandardBias)
{
    const struct {
        const char* id;
        const char* display; // its start
        std::int32_t bias;
    } cases[] = {
        {"Asia/Kolkata", "(UTC+05:30) Kolkata, India", -330},
        {"Asia/Kathmandu", "(UTC+05:45) Kathmandu, Nepal", -345},
        {"Europe/Berlin", "(UTC+01:00) Berlin, Germany", -60},
        {"America/St_Johns", "(UTC-03:30) St Johns, Canada - ", 210},
        {"America/Argentina/Buenos_Aires", "(UTC-03:00) Buenos Aires, Argentina", 180},
        {"Australia/Sydney", "(UTC+10:00) Sydney, Australia - New South Wales", -600},
        {"Australia/Lord_Howe", "(UTC+10:30) Lord Howe, Australia", -630},
        // The tz database calls Irish winter time the exception; the
        // catalogue keeps Dublin at the bias people know it by.
        {"Europe/Dublin", "(UTC+00:00) Dublin, Ireland", 0},
        {"UTC", "(UTC) Coordinated Universal Time", 0},
    };
    for (const auto& c : cases) {
        const CatalogueZone* zone = find(c.id);
        ASSERT_NE(zone, nullptr) << c.id;
        EXPECT_EQ(zone->display.rfind(c.display, 0), 0u) << zone->display;
        EXPECT_EQ(zone->bias, c.bias) << c.id;
    }
}

TEST_F(TzSystemCatalogue, ZonesWorkedOutAheadAreThoseReadOnDemand)
{
    qt::TzZoneCatalogue ahead("/usr/share/zoneinfo", fixedAt(utcMs(2026, 7, 1, 12)));
    ahead.prefetch();
    const std::vector<CatalogueZone> read = ahead.zones();
    ASSERT_EQ(read.size(), zones.size());
    for (std::size_t i = 0; i < zones.size(); ++i) {
        EXPECT_EQ(read[i].key, zones[i].key);
        EXPECT_EQ(read[i].display, zones[i].display) << zones[i].key;
        EXPECT_EQ(read[i].bias, zones[i].bias) << zones[i].key;
    }
}

} // namespace
