#include "platform/win32/win32_time_of_day.h"

#include "platform/win32/file_time.h"

namespace hv::win32 {

double Win32TimeOfDay::secondsSinceMidnight(std::string_view zoneKey)
{
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    return secondsAtTicks(zoneKey, ticksOf(now));
}

double Win32TimeOfDay::secondsSinceMidnightAt(std::string_view zoneKey, std::int64_t msSinceEpoch)
{
    return secondsAtTicks(zoneKey, kTicksTo1970 + msSinceEpoch * kTicksPerMs);
}

double Win32TimeOfDay::secondsAtTicks(std::string_view zoneKey, std::int64_t ticks)
{
    if (zoneKey != lastKey_) {
        lastKey_ = zoneKey;
        zone_ = zones_.find(zoneKey);
        rulesYear_ = 0;
    }
    const FILETIME fileTime = fileTimeOf(ticks);
    SYSTEMTIME utc{}, local{};
    FileTimeToSystemTime(&fileTime, &utc);
    // The rules of the UTC year: a change-over never falls at the turn of
    // a year.
    const TIME_ZONE_INFORMATION* rules = nullptr;
    if (zone_) {
        if (rulesYear_ != utc.wYear && rulesForYear(zone_, utc.wYear, rules_))
            rulesYear_ = utc.wYear;
        if (rulesYear_ == utc.wYear)
            rules = &rules_;
    }
    // Without rules this is the computer's own local time.
    SystemTimeToTzSpecificLocalTime(rules, &utc, &local);
    const double fraction = static_cast<double>(ticks % kTicksPerSecond) / kTicksPerSecond;
    return local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond + fraction;
}

} // namespace hv::win32
