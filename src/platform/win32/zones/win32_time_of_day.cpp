#include "platform/win32/zones/win32_time_of_day.h"

#include "platform/win32/file_time.h"
#include "platform/win32/system_message.h"

#include <stdexcept>

namespace hv::win32 {

namespace {

// The last error's words, for the tick's report.
std::runtime_error zoneFailure(std::string_view zoneKey)
{
    const DWORD code = GetLastError();
    return std::runtime_error(
        "Windows cannot work out the time in the zone \"" + std::string(zoneKey) + "\": " + systemMessage(code));
}

} // namespace

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
        if (rulesYear_ != utc.wYear) {
            if (!rulesForYear(zone_, utc.wYear, rules_))
                throw zoneFailure(zoneKey);
            rulesYear_ = utc.wYear;
        }
        rules = &rules_;
    }
    // Without a zone this is the computer's own local time. A failure must
    // not show as midnight.
    if (!SystemTimeToTzSpecificLocalTime(rules, &utc, &local))
        throw zoneFailure(zoneKey);
    const double fraction = static_cast<double>(ticks % kTicksPerSecond) / kTicksPerSecond;
    return local.wHour * 3600.0 + local.wMinute * 60.0 + local.wSecond + fraction;
}

} // namespace hv::win32
