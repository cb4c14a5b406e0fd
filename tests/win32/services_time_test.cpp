// A zone's time of day at fixed instants and now, and what Windows says of
// the zone the computer is set to.
#include "platform/win32/zones/dynamic_zones.h"
#include "platform/win32/zones/win32_time_of_day.h"
#include "platform/win32/zones/win32_zone_catalogue.h"
#include "scratch_key.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hv::win32 {
namespace {

constexpr std::int64_t kJuly15Noon2025 = 1752580800000; // 2025-07-15T12:00:00Z
constexpr std::int64_t kJanuary15Noon2024 = 1705320000000; // 2024-01-15T12:00:00Z
constexpr double kDay = 86400;

double hours(double h, double m) { return h * 3600 + m * 60; }

// Seconds apart on the dial, across midnight too.
double apart(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), kDay);
    return std::min(d, kDay - d);
}

TEST(TimeOfDayTest, ZonesAtFixedInstantsWithTheirDaylightTime)
{
    Win32TimeOfDay time;
    const struct {
        const char* key;
        std::int64_t at;
        double expected;
    } cases[] = {
        {"India Standard Time", kJuly15Noon2025, hours(17, 30)},
        {"W. Europe Standard Time", kJuly15Noon2025, hours(14, 0)}, // daylight time
        {"Lord Howe Standard Time", kJuly15Noon2025, hours(22, 30)}, // its winter
        {"W. Europe Standard Time", kJanuary15Noon2024, hours(13, 0)}, // standard time, another year
        {"Lord Howe Standard Time", kJanuary15Noon2024, hours(23, 0)}, // its half-hour summer step
        {"india standard time", kJuly15Noon2025, hours(17, 30)}, // key names ignore case
        {"Nepal Standard Time", kJuly15Noon2025 + 250, hours(17, 45) + 0.25}, // the fraction of the second
        {"India Standard Time", kJanuary15Noon2024, hours(17, 30)}, // back to a zone asked before
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(time.secondsSinceMidnightAt(c.key, c.at), c.expected) << c.key << " at " << c.at;
}

TEST(TimeOfDayTest, NowInAZoneAndLocalTimeForNoOrAnUnknownZone)
{
    Win32TimeOfDay time;
    // The first question reads the zones; the clock is read after it.
    time.secondsSinceMidnight("India Standard Time");
    SYSTEMTIME utc{}, local{};
    GetSystemTime(&utc);
    GetLocalTime(&local);
    const double utcNow = utc.wHour * 3600.0 + utc.wMinute * 60 + utc.wSecond;
    const double localNow = local.wHour * 3600.0 + local.wMinute * 60 + local.wSecond;

    EXPECT_LT(apart(time.secondsSinceMidnight("India Standard Time"), utcNow + hours(5, 30)), 2);
    EXPECT_LT(apart(time.secondsSinceMidnight(""), localNow), 2);
    EXPECT_LT(apart(time.secondsSinceMidnight("Nowhere Standard Time"), localNow), 2);
    EXPECT_LT(apart(time.secondsSinceMidnight("UTC"), utcNow), 2);
}

// Damaged zones in Windows' own catalogue, sorting before every real one:
// one without "TZI", one whose bias is beyond any offset.
TEST(TimeOfDayTest, ADamagedZoneIsPassedOverAndOneThatCannotBeAppliedIsAnError)
{
    const std::wstring catalogue = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\";
    const testing::ScratchKey missing(catalogue + L"AAA Horavista test, no TZI", HKEY_LOCAL_MACHINE);
    const testing::ScratchKey absurd(catalogue + L"AAB Horavista test, absurd bias", HKEY_LOCAL_MACHINE);
    for (const testing::ScratchKey* zone : {&missing, &absurd}) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(
                      HKEY_LOCAL_MACHINE, zone->path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        for (const wchar_t* name : {L"Display", L"Std", L"Dlt"})
            RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 2 * sizeof(wchar_t));
        if (zone == &absurd) {
            BYTE tzi[44] = {0xFF, 0xFF, 0xFF, 0x7F};
            RegSetValueExW(key, L"TZI", 0, REG_BINARY, tzi, sizeof tzi);
        }
        RegCloseKey(key);
    }

    Win32TimeOfDay time;
    EXPECT_DOUBLE_EQ(time.secondsSinceMidnightAt("India Standard Time", kJuly15Noon2025), hours(17, 30));
    EXPECT_THROW(time.secondsSinceMidnightAt("AAB Horavista test, absurd bias", kJuly15Noon2025), std::exception)
        << "never midnight";
}

TIME_ZONE_INFORMATION rules(LONG bias, LONG daylightBias, WORD daylightMonth, WORD standardMonth)
{
    TIME_ZONE_INFORMATION r{};
    r.Bias = bias;
    r.DaylightBias = daylightBias;
    r.DaylightDate = {0, daylightMonth, 0, 5, 2, 0, 0, 0};
    r.StandardDate = {0, standardMonth, 0, 5, 3, 0, 0, 0};
    return r;
}

// Two zones agree when every instant has the same offset in both, however
// their rules are written down.
TEST(SystemInfoTest, RulesAgreeByTheOffsetsTheyGive)
{
    const TIME_ZONE_INFORMATION berlin = rules(-60, -60, 3, 10);
    TIME_ZONE_INFORMATION named = berlin;
    wcscpy(named.StandardName, L"Romance Standard Time");
    TIME_ZONE_INFORMATION kolkata = rules(-330, 0, 0, 0);
    TIME_ZONE_INFORMATION kolkataWithDates = rules(-330, 0, 3, 10); // dates, but nothing changes
    TIME_ZONE_INFORMATION shifted = rules(-330, 0, 0, 0);
    shifted.Bias = -300;
    shifted.StandardBias = -30; // the same offset written another way

    EXPECT_TRUE(sameOffsets(berlin, named));
    EXPECT_TRUE(sameOffsets(kolkata, kolkataWithDates));
    EXPECT_TRUE(sameOffsets(kolkata, shifted));
    EXPECT_FALSE(sameOffsets(berlin, rules(-60, 0, 0, 0))) << "one keeps daylight time, the other not";
    EXPECT_FALSE(sameOffsets(berlin, rules(-60, -60, 4, 10))) << "another change-over";
    EXPECT_FALSE(sameOffsets(berlin, rules(-60, -30, 3, 10))) << "another daylight offset";
    EXPECT_FALSE(sameOffsets(kolkata, rules(-345, 0, 0, 0)));
}

// Year by year: a zone that changed its rules in 2020 agrees with one
// that has always kept the new rules over this year and next only; one
// that changes them next year agrees with neither; a year without rules
// counts as disagreeing.
TEST(SystemInfoTest, AgreementSpansTheYearsTheRulesAgree)
{
    const TIME_ZONE_INFORMATION oldRules = rules(-60, -60, 3, 10), newRules = rules(-60, 0, 0, 0);
    const auto changingIn = [&](int change) {
        return [&, change](int year, TIME_ZONE_INFORMATION& r) {
            r = year < change ? oldRules : newRules;
            return true;
        };
    };
    const YearRules always = changingIn(0), since2020 = changingIn(2020), from2027 = changingIn(2027);
    const YearRules noneIn1990 = [&](int year, TIME_ZONE_INFORMATION& r) {
        r = newRules;
        return year != 1990;
    };

    EXPECT_EQ(agreementOf(always, always, 2025), ZoneAgreement::Since1970);
    EXPECT_EQ(agreementOf(since2020, always, 2025), ZoneAgreement::ThisYearAndNext);
    EXPECT_EQ(agreementOf(always, since2020, 2025), ZoneAgreement::ThisYearAndNext);
    EXPECT_EQ(agreementOf(from2027, since2020, 2025), ZoneAgreement::None);
    EXPECT_EQ(agreementOf(from2027, since2020, 2026), ZoneAgreement::None) << "next year counts";
    EXPECT_EQ(agreementOf(from2027, since2020, 2027), ZoneAgreement::ThisYearAndNext);
    EXPECT_EQ(agreementOf(noneIn1990, always, 2025), ZoneAgreement::ThisYearAndNext);
}

TEST(SystemInfoTest, TheComputersZoneAsTheCatalogueNamesIt)
{
    Win32ZoneCatalogue system;
    EXPECT_FALSE(system.missingCatalogueNote().empty());

    // The key name is the catalogue's; the zone keeps its own time.
    const std::string key = system.ownZoneKey();
    if (key.empty())
        GTEST_SKIP() << "Windows has no zone of its own for this computer's (Wine: for some TZ values)";
    EXPECT_EQ(system.agreementWithOwnZone(key), ZoneAgreement::Since1970) << key;
}

TEST(SystemInfoTest, ZonesWithOtherOffsetsDoNotAgree)
{
    Win32ZoneCatalogue system;
    // A zone hours away from the computer's.
    EXPECT_EQ(system.agreementWithOwnZone(
                  system.ownStandardBias() == -330 ? "Hawaiian Standard Time" : "India Standard Time"),
        ZoneAgreement::None);
    EXPECT_EQ(system.agreementWithOwnZone("Nowhere Standard Time"), ZoneAgreement::None);
}

} // namespace
} // namespace hv::win32
