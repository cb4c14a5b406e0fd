#pragma once
// The time zones Windows knows, by catalogue key name, as the dynamic
// time-zone functions give them. Enumerating them is slow (about 3 ms a
// zone under Wine), so it goes only as far as the zone asked for, and what
// it read is kept for the next question. A zone Windows cannot read is
// passed over.
#include "platform/zone_catalogue.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string_view>

namespace hv::win32 {

// The registry key that holds the catalogue, under HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kTimeZonesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

class DynamicZones {
public:
    // The zone with this key name ("India Standard Time", compared without
    // regard to case as the registry does); null when Windows has none.
    // The zone stays valid as long as this object.
    const DYNAMIC_TIME_ZONE_INFORMATION* find(std::string_view keyName);

private:
    // By index, as far as read; a deque, so the zones handed out stay
    // where they are as it grows.
    std::deque<DYNAMIC_TIME_ZONE_INFORMATION> zones_;
    std::optional<DWORD> entries_; // counted at the first look
    DWORD next_ = 0; // the next index to enumerate
};

// The rules of a zone (or, for null, the zone the computer is set to) in
// force in a year; false when Windows has none for it.
bool rulesForYear(const DYNAMIC_TIME_ZONE_INFORMATION* zone, int year, TIME_ZONE_INFORMATION& rules);

// Whether two sets of rules give the same UTC offset at every instant of a
// year: the names do not count, nor the change-over dates of a zone whose
// daylight time changes nothing.
bool sameOffsets(const TIME_ZONE_INFORMATION& a, const TIME_ZONE_INFORMATION& b);

// A zone's rules for a year; false when there are none.
using YearRules = std::function<bool(int year, TIME_ZONE_INFORMATION& rules)>;
// How closely two zones agree, judged by their rules from 1970 to the
// year after thisYear.
ZoneAgreement agreementOf(const YearRules& a, const YearRules& b, int thisYear);

} // namespace hv::win32
