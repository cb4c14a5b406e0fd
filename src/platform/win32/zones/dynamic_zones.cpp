#include "platform/win32/zones/dynamic_zones.h"

#include "platform/win32/storage/registry_value.h"
#include "platform/win32/wide_text.h"

#include <cstring>

namespace hv::win32 {

namespace {

bool sameDate(const SYSTEMTIME& a, const SYSTEMTIME& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A zone keeps daylight time when it has a change-over date and its
// daylight offset differs from its standard one.
bool keepsDaylightTime(const TIME_ZONE_INFORMATION& rules)
{
    return rules.DaylightDate.wMonth != 0 && rules.StandardDate.wMonth != 0 && rules.DaylightBias != rules.StandardBias;
}

bool agreeThrough(const YearRules& a, const YearRules& b, int first, int last)
{
    for (int year = first; year <= last; ++year) {
        TIME_ZONE_INFORMATION rulesA{}, rulesB{};
        if (!a(year, rulesA) || !b(year, rulesB) || !sameOffsets(rulesA, rulesB))
            return false;
    }
    return true;
}

// How many zones the catalogue key holds, damaged ones included: how far
// the enumeration goes. None when the key will not open.
DWORD catalogueEntries()
{
    const OpenedKey key(HKEY_LOCAL_MACHINE, kTimeZonesKey, KEY_READ);
    DWORD subKeys = 0;
    if (!key.get()
        || RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr, nullptr,
               nullptr, nullptr)
            != ERROR_SUCCESS)
        return 0;
    return subKeys;
}

} // namespace

const DYNAMIC_TIME_ZONE_INFORMATION* DynamicZones::find(std::string_view keyName)
{
    const std::wstring wanted = widen(keyName);
    if (wanted.empty())
        return nullptr;
    const auto matches = [&](const DYNAMIC_TIME_ZONE_INFORMATION& zone) {
        return CompareStringOrdinal(zone.TimeZoneKeyName, -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL;
    };
    for (const DYNAMIC_TIME_ZONE_INFORMATION& zone : zones_)
        if (matches(zone))
            return &zone;
    if (!entries_)
        entries_ = catalogueEntries();
    while (next_ < *entries_) {
        DYNAMIC_TIME_ZONE_INFORMATION zone{};
        const DWORD result = EnumDynamicTimeZoneInformation(next_++, &zone);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        // A zone whose data is damaged fails alone: the zones after it
        // still count.
        if (result != ERROR_SUCCESS)
            continue;
        zones_.push_back(zone);
        if (matches(zone))
            return &zones_.back();
    }
    return nullptr;
}

bool rulesForYear(const DYNAMIC_TIME_ZONE_INFORMATION* zone, int year, TIME_ZONE_INFORMATION& rules)
{
    return GetTimeZoneInformationForYear(
               static_cast<USHORT>(year), const_cast<DYNAMIC_TIME_ZONE_INFORMATION*>(zone), &rules)
        != FALSE;
}

bool sameOffsets(const TIME_ZONE_INFORMATION& a, const TIME_ZONE_INFORMATION& b)
{
    if (a.Bias + a.StandardBias != b.Bias + b.StandardBias)
        return false;
    const bool daylightA = keepsDaylightTime(a);
    if (daylightA != keepsDaylightTime(b))
        return false;
    return !daylightA
        || (a.Bias + a.DaylightBias == b.Bias + b.DaylightBias && sameDate(a.StandardDate, b.StandardDate)
            && sameDate(a.DaylightDate, b.DaylightDate));
}

ZoneAgreement agreementOf(const YearRules& a, const YearRules& b, int thisYear)
{
    // Most zones differ at once; the long span is read only for those that
    // agree over the short one.
    if (!agreeThrough(a, b, thisYear, thisYear + 1))
        return ZoneAgreement::None;
    return agreeThrough(a, b, 1970, thisYear - 1) ? ZoneAgreement::Since1970 : ZoneAgreement::ThisYearAndNext;
}

} // namespace hv::win32
