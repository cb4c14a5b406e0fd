// The clock's time in a zone and the computer's own zone, both from the
// tz database, at instants the tests fix.
#include "platform/qt/zones/zone_time_of_day.h"
#include "qt/tz_test_support.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <string>

namespace {

using namespace hv;
using hv::tzsupport::SystemZone;

std::int64_t utcMs(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC).toMSecsSinceEpoch();
}

constexpr double at(int hour, int minute, int second = 0) { return hour * 3600.0 + minute * 60.0 + second; }

TEST(ZoneTimeOfDay, GivesEachZonesWallClockAtTheSameInstant)
{
    const std::int64_t noonUtc = utcMs(2026, 7, 1, 12, 0, 0, 250);
    qt::ZoneTimeOfDay clock([&] { return noonUtc; });
    const struct {
        const char* zone;
        double expected;
    } cases[] = {
        {"Europe/Berlin", at(14, 0)}, // in daylight saving
        {"Australia/Brisbane", at(22, 0)}, // never
        {"Australia/Sydney", at(22, 0)}, // out of it in its winter
        {"Asia/Kolkata", at(17, 30)}, {"Asia/Kathmandu", at(17, 45)}, {"America/St_Johns", at(9, 30)},
        {"UTC", at(12, 0)}, {"Europe/Berlin", at(14, 0)}, // back to a zone asked before
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(c.zone), c.expected + 0.25) << c.zone;
}

TEST(ZoneTimeOfDay, FollowsADaylightSavingChangeWhileRunning)
{
    std::int64_t now = 0;
    qt::ZoneTimeOfDay clock([&] { return now; });
    const struct {
        std::int64_t utc;
        double berlin;
    } steps[] = {
        {utcMs(2026, 3, 29, 0, 59, 59), at(1, 59, 59)},
        {utcMs(2026, 3, 29, 1, 0, 0), at(3, 0, 0)},
        {utcMs(2026, 10, 25, 0, 59, 59), at(2, 59, 59)},
        {utcMs(2026, 10, 25, 1, 0, 0), at(2, 0, 0)},
        {utcMs(2026, 10, 25, 22, 59, 59), at(23, 59, 59)},
        {utcMs(2026, 10, 25, 23, 0, 0), 0.0},
    };
    for (const auto& s : steps) {
        now = s.utc;
        EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight("Europe/Berlin"), s.berlin)
            << QDateTime::fromMSecsSinceEpoch(s.utc, Qt::UTC).toString(Qt::ISODate).toStdString();
    }
}

TEST(ZoneTimeOfDay, AnEmptyOrUnknownZoneGivesTheComputersLocalTime)
{
    const SystemZone kathmandu("Asia/Kathmandu");
    qt::ZoneTimeOfDay clock([] { return utcMs(2026, 7, 1, 12, 0); });
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(""), at(17, 45));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight("Mars/Olympus_Mons"), at(17, 45));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight("Asia/Kolkata"), at(17, 30));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(""), at(17, 45));
}

TEST(ZoneCatalogueOwnZone, GivesTheStandardBiasAlsoInDaylightTime)
{
    const struct {
        const char* zone;
        std::int64_t now;
        std::int32_t bias;
    } cases[] = {
        {"Europe/Berlin", utcMs(2026, 7, 1, 12, 0), -60},
        {"Europe/Berlin", utcMs(2026, 1, 15, 12, 0), -60},
        {"Australia/Sydney", utcMs(2026, 7, 1, 12, 0), -600},
        {"Europe/Dublin", utcMs(2026, 7, 1, 12, 0), 0},
        {"Europe/Dublin", utcMs(2026, 1, 15, 12, 0), 0},
        {"Asia/Kolkata", utcMs(2026, 7, 1, 12, 0), -330},
        {"Etc/UTC", utcMs(2026, 7, 1, 12, 0), 0},
    };
    for (const auto& c : cases) {
        const SystemZone zone(c.zone);
        EXPECT_EQ(qt::TzZoneCatalogue({}, [&] { return c.now; }).ownStandardBias(), c.bias) << c.zone;
    }
}

TEST(ZoneCatalogueOwnZone, IsNamedByItsCatalogueKey)
{
    const struct {
        const char* systemId;
        const char* key;
    } cases[] = {
        {"Europe/Berlin", "Europe/Berlin"}, {"Asia/Calcutta", "Asia/Kolkata"}, // a link of the tz database
        {"US/Eastern", "America/New_York"}, {"Etc/UTC", "UTC"}, {"UTC", "UTC"}, {"Etc/Universal", "UTC"},
        {"Europe/Amsterdam", "Europe/Brussels"}, // merged: the Netherlands' only row
        {"Arctic/Longyearbyen", "Europe/Berlin"}, {"America/Montreal", "America/Toronto"},
        {"Africa/Lubumbashi", "Africa/Lubumbashi"}, // Congo has two rows: left to the bias
    };
    for (const auto& c : cases) {
        const SystemZone zone(c.systemId);
        EXPECT_EQ(qt::TzZoneCatalogue().ownZoneKey(), c.key) << c.systemId;
    }
}

TEST(ZoneCatalogueOwnZone, SaysWhereTheTzDatabaseWasLookedForAndWhatProvidesIt)
{
    const std::string expected = "The list of time zones (zone1970.tab or zone.tab) was not found in "
                                 "/nonexistent; it comes with the tzdata package.";
    EXPECT_EQ(qt::TzZoneCatalogue("/nonexistent").missingCatalogueNote(), expected);
    qputenv("TZDIR", "/nonexistent");
    EXPECT_EQ(qt::TzZoneCatalogue().missingCatalogueNote(), expected) << "the folder TZDIR names";
    qunsetenv("TZDIR");
}

} // namespace
