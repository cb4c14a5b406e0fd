#include "platform/win32/zones/win32_zone_catalogue.h"

#include "platform/win32/storage/registry_value.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>

namespace hv::win32 {

namespace {

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

// The "TZI" block as Windows stores it: three biases in minutes, then the
// change-over dates to standard and to daylight time.
struct Tzi {
    LONG bias, standardBias, daylightBias;
    SYSTEMTIME standardDate, daylightDate;
};
static_assert(sizeof(Tzi) == 44);

// The zone's block; nothing when the value is missing, is no 44-byte
// binary block, or holds an offset from UTC of a day or more, which no
// zone has and Windows cannot apply.
std::optional<Tzi> readTzi(HKEY zone)
{
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (readValue(zone, L"TZI", type, bytes) != ERROR_SUCCESS || type != REG_BINARY || bytes.size() != sizeof(Tzi))
        return std::nullopt;
    Tzi tzi;
    std::memcpy(&tzi, bytes.data(), sizeof tzi);
    const auto withinADay = [&](LONG extra) {
        constexpr std::int64_t kDay = 24 * 60;
        const std::int64_t offset = std::int64_t{tzi.bias} + extra;
        return offset > -kDay && offset < kDay;
    };
    if (!withinADay(0) || !withinADay(tzi.standardBias) || !withinADay(tzi.daylightBias))
        return std::nullopt;
    return tzi;
}

// A missing value, or one that holds no text, reads as no text.
std::string readText(HKEY zone, const wchar_t* name)
{
    DWORD type = 0;
    std::vector<BYTE> bytes;
    return readValue(zone, name, type, bytes) == ERROR_SUCCESS && isText(type) ? textOf(bytes) : std::string();
}

} // namespace

std::vector<CatalogueZone> Win32ZoneCatalogue::zones()
{
    std::vector<CatalogueZone> zones;
    const OpenedKey root(HKEY_LOCAL_MACHINE, kTimeZonesKey, KEY_READ);
    if (!root.get())
        return zones;
    // Key names are at most 255 characters long.
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = std::size(name);
        if (RegEnumKeyExW(root.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const OpenedKey zone(root.get(), name, KEY_READ);
        if (!zone.get())
            continue;
        const std::string key = narrow(std::wstring_view(name, length));
        // A zone without sound rules would show some other time, or none.
        const std::optional<Tzi> tzi = readTzi(zone.get());
        if (!tzi) {
            std::fprintf(stderr, "horavista: time zone \"%s\" of the catalogue has no sound \"TZI\" value; left out\n",
                key.c_str());
            continue;
        }
        zones.push_back({key, readText(zone.get(), L"Display"), static_cast<std::int32_t>(tzi->bias)});
    }
    return zones;
}

std::string Win32ZoneCatalogue::ownZoneKey()
{
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return {};
    return narrow(zone.TimeZoneKeyName);
}

std::int32_t Win32ZoneCatalogue::ownStandardBias()
{
    TIME_ZONE_INFORMATION zone{};
    GetTimeZoneInformation(&zone);
    return zone.Bias;
}

ZoneAgreement Win32ZoneCatalogue::agreementWithOwnZone(std::string_view key)
{
    const DYNAMIC_TIME_ZONE_INFORMATION* zone = zones_.find(key);
    if (!zone)
        return ZoneAgreement::None;
    return agreementOf([zone](int year, TIME_ZONE_INFORMATION& rules) { return rulesForYear(zone, year, rules); },
        computerRules, currentYear());
}

std::string Win32ZoneCatalogue::missingCatalogueNote()
{
    return "The list of time zones that Windows keeps in its registry could not be opened or holds no zone that can be "
           "read.";
}

} // namespace hv::win32
