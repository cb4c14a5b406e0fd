// The clock's time in a zone and the computer's own zone, both from the
// tz database, at instants the tests fix.
#include "platform/qt/qt_system_info.h"
#include "platform/qt/zone_time_of_day.h"
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

constexpr double at(int hour, int minute, int second = 0)
{
    return hour * 3600.0 + minute * 60.0 + second;
}

TEST(ZoneTimeOfDay, GivesEachZonesWallClockAtTheSameInstant)
{
    const std::int64_t noonUtc = utcMs(2026, 7, 1, 12, 0, 0, 250);
    qt::ZoneTimeOfDay clock([&] { return noonUtc; });
    const struct {
        const char* zone;
        double expected;
    } cases[] = {
        {"Europe/Berlin", at(14, 0)},    // in daylight saving
        {"Australia/Brisbane", at(22, 0)}, // never
        {"Australia/Sydney", at(22, 0)}, // out of it in its winter
        {"Asia/Kolkata", at(17, 30)},
        {"Asia/Kathmandu", at(17, 45)},
        {"America/St_Johns", at(9, 30)},
        {"UTC", at(12, 0)},
        {"Europe/Berlin", at(14, 0)},    // back to a zone asked before
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

TEST(ZoneSystemInfo, ReportsTheNtFamily)
{
    OsVersionInfo info;
    EXPECT_NE(qt::QtSystemInfo().getVersionEx(info), 0);
    EXPECT_EQ(info.platformId, SystemInfo::kPlatformWin32Nt);
    EXPECT_EQ(info.majorVersion, 10u);
}

TEST(ZoneSystemInfo, GivesTheStandardBiasAndWhetherDaylightTimeIsInForce)
{
    const struct {
        const char* zone;
        std::int64_t now;
        std::uint32_t result;
        std::int32_t bias, daylightBias;
    } cases[] = {
        {"Europe/Berlin", utcMs(2026, 7, 1, 12, 0), SystemInfo::kTimeZoneIdDaylight, -60, -60},
        {"Europe/Berlin", utcMs(2026, 1, 15, 12, 0), SystemInfo::kTimeZoneIdStandard, -60, -60},
        {"Australia/Sydney", utcMs(2026, 7, 1, 12, 0), SystemInfo::kTimeZoneIdStandard, -600, -60},
        {"Europe/Dublin", utcMs(2026, 7, 1, 12, 0), SystemInfo::kTimeZoneIdDaylight, 0, -60},
        {"Europe/Dublin", utcMs(2026, 1, 15, 12, 0), SystemInfo::kTimeZoneIdStandard, 0, -60},
        {"Asia/Kolkata", utcMs(2026, 7, 1, 12, 0), SystemInfo::kTimeZoneIdUnknown, -330, 0},
        {"Etc/UTC", utcMs(2026, 7, 1, 12, 0), SystemInfo::kTimeZoneIdUnknown, 0, 0},
    };
    for (const auto& c : cases) {
        const SystemZone zone(c.zone);
        TimeZoneInformation info;
        EXPECT_EQ(qt::QtSystemInfo({}, [&] { return c.now; }).getTimeZoneInformation(info), c.result) << c.zone;
        EXPECT_EQ(info.bias, c.bias) << c.zone;
        EXPECT_EQ(info.standardBias, 0) << c.zone;
        EXPECT_EQ(info.daylightBias, c.daylightBias) << c.zone;
        EXPECT_EQ(info.daylightDate.month == 0, c.daylightBias == 0) << c.zone;
        EXPECT_FALSE(info.standardName.empty()) << c.zone;
    }
}

TEST(ZoneSystemInfo, NamesTheComputersZoneByItsCatalogueKey)
{
    const struct {
        const char* systemId;
        const char* key;
    } cases[] = {
        {"Europe/Berlin", "Europe/Berlin"},
        {"Asia/Calcutta", "Asia/Kolkata"},      // a link of the tz database
        {"US/Eastern", "America/New_York"},
        {"Etc/UTC", "UTC"},
        {"UTC", "UTC"},
        {"Etc/Universal", "UTC"},
        {"Europe/Amsterdam", "Europe/Brussels"}, // merged: the Netherlands' only row
        {"Arctic/Longyearbyen", "Europe/Berlin"},
        {"America/Montreal", "America/Toronto"},
        {"Africa/Lubumbashi", "Africa/Lubumbashi"}, // Congo has two rows: left to the bias
    };
    for (const auto& c : cases) {
        const SystemZone zone(c.systemId);
        EXPECT_EQ(qt::QtSystemInfo().currentZoneKeyName(), c.key) << c.systemId;
    }
}

TEST(ZoneSystemInfo, SaysWhereTheTzDatabaseWasLookedForAndWhatProvidesIt)
{
    const std::string expected = "The list of time zones (zone1970.tab or zone.tab) was not found in "
                                 "/nonexistent; it comes with the tzdata package.";
    EXPECT_EQ(qt::QtSystemInfo("/nonexistent").missingCatalogueNote(), expected);
    qputenv("TZDIR", "/nonexistent");
    EXPECT_EQ(qt::QtSystemInfo().missingCatalogueNote(), expected) << "the folder TZDIR names";
    qunsetenv("TZDIR");
}

} // namespace
