#pragma once
// What the program asks the operating system about itself: its version
// and the time zone the computer is set to, in the shape of the Win32
// records.
#include <cstdint>
#include <string>
#include <string_view>

namespace hv {

struct OsVersionInfo {
    std::uint32_t size = 148;
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0; // 2: the NT family
};

struct SystemTime {
    std::uint16_t year = 0, month = 0, dayOfWeek = 0, day = 0;
    std::uint16_t hour = 0, minute = 0, second = 0, milliseconds = 0;
    bool operator==(const SystemTime&) const = default;
};

struct TimeZoneInformation {
    std::int32_t bias = 0; // minutes; UTC = local standard time + bias
    std::string standardName;
    SystemTime standardDate;
    std::int32_t standardBias = 0;
    std::string daylightName;
    SystemTime daylightDate;
    std::int32_t daylightBias = 0;
};

// How closely a zone keeps the time of the zone the computer is set to:
// the same UTC offset at every instant since 1970 (the tz database's own
// test of sameness), or only over this year and next.
enum class ZoneAgreement { None, ThisYearAndNext, Since1970 };

class SystemInfo {
public:
    static constexpr std::uint32_t kPlatformWin32Nt = 2;
    static constexpr std::uint32_t kTimeZoneIdUnknown = 0;
    static constexpr std::uint32_t kTimeZoneIdStandard = 1;
    static constexpr std::uint32_t kTimeZoneIdDaylight = 2;

    virtual ~SystemInfo() = default;
    // GetVersionExA; non-zero on success.
    virtual int getVersionEx(OsVersionInfo& info) = 0;
    // GetTimeZoneInformation: the zone the computer is set to; returns
    // whether daylight time is in force (kTimeZoneId...).
    virtual std::uint32_t getTimeZoneInformation(TimeZoneInformation& info) = 0;
    // The catalogue key name of that zone ("Europe/Berlin"; on Windows the
    // dynamic zone information's key name); empty when it is not known.
    virtual std::string currentZoneKeyName() = 0;
    // How closely the catalogue zone with this key name keeps the time of
    // the zone the computer is set to; asked only when the computer's zone
    // has no entry of its own (a POSIX zone such as EST5EDT).
    virtual ZoneAgreement zoneAgreement(std::string_view catalogueKey) = 0;
    // One plain sentence that leads the message that the catalogue is
    // missing: where it was looked for and what provides it. Empty where
    // the catalogue's key path says all there is to say.
    virtual std::string missingCatalogueNote() = 0;
};

} // namespace hv
