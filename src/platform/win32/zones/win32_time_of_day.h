#pragma once
// The time of day in a zone of Windows' catalogue.
#include "platform/services.h"
#include "platform/win32/zones/dynamic_zones.h"

#include <cstdint>
#include <string>

namespace hv::win32 {

class Win32TimeOfDay : public TimeOfDay {
public:
    // Raises when Windows has no rules for a zone it knows, or cannot
    // apply them (a damaged bias).
    double secondsSinceMidnight(std::string_view zoneKey) override;
    // The same at a given instant, in milliseconds since 1970 UTC.
    double secondsSinceMidnightAt(std::string_view zoneKey, std::int64_t msSinceEpoch);

private:
    // In 100-nanosecond ticks since 1601 UTC, Windows' own count.
    double secondsAtTicks(std::string_view zoneKey, std::int64_t ticks);

    // The clock asks every second, nearly always for the same zone in the
    // same year: both answers are kept.
    DynamicZones zones_;
    std::string lastKey_;
    const DYNAMIC_TIME_ZONE_INFORMATION* zone_ = nullptr; // null: the computer's local time
    int rulesYear_ = 0; // 0: no rules worked out yet
    TIME_ZONE_INFORMATION rules_{};
};

} // namespace hv::win32
