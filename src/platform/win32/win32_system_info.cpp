#include "platform/win32/win32_system_info.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

namespace hv::win32 {

namespace {

SystemTime fromWindows(const SYSTEMTIME& t)
{
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::string utf8Of(const wchar_t* name) { return narrow(std::wstring_view(name)); }

int currentYear()
{
    SYSTEMTIME now{};
    GetSystemTime(&now);
    return now.wYear;
}

// The computer's zone's rules for a year. A zone Windows has no key for
// (the very case the agreement is asked about) has no rules by year: its
// present rules stand for every year.
bool computerRules(int year, TIME_ZONE_INFORMATION& rules)
{
    return rulesForYear(nullptr, year, rules) || GetTimeZoneInformation(&rules) != TIME_ZONE_ID_INVALID;
}

} // namespace

int Win32SystemInfo::getVersionEx(OsVersionInfo& info)
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    const BOOL result = GetVersionExA(&version);
    info.majorVersion = version.dwMajorVersion;
    info.minorVersion = version.dwMinorVersion;
    info.buildNumber = version.dwBuildNumber;
    info.platformId = version.dwPlatformId;
    return result;
}

std::uint32_t Win32SystemInfo::getTimeZoneInformation(TimeZoneInformation& info)
{
    TIME_ZONE_INFORMATION zone{};
    const DWORD result = GetTimeZoneInformation(&zone);
    info.bias = zone.Bias;
    info.standardName = utf8Of(zone.StandardName);
    info.standardDate = fromWindows(zone.StandardDate);
    info.standardBias = zone.StandardBias;
    info.daylightName = utf8Of(zone.DaylightName);
    info.daylightDate = fromWindows(zone.DaylightDate);
    info.daylightBias = zone.DaylightBias;
    return result;
}

std::string Win32SystemInfo::currentZoneKeyName()
{
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return {};
    return utf8Of(zone.TimeZoneKeyName);
}

ZoneAgreement Win32SystemInfo::zoneAgreement(std::string_view catalogueKey)
{
    const DYNAMIC_TIME_ZONE_INFORMATION* zone = zones_.find(catalogueKey);
    if (!zone)
        return ZoneAgreement::None;
    return agreementOf([zone](int year, TIME_ZONE_INFORMATION& rules) { return rulesForYear(zone, year, rules); },
                       computerRules, currentYear());
}

std::string Win32SystemInfo::missingCatalogueNote()
{
    return "The list of time zones that Windows keeps in its registry could not be opened or holds no zone that can be read.";
}

} // namespace hv::win32
