#pragma once
// What the tz database says of one zone in the current year, in the shape
// of the Windows time-zone records: standard bias, daylight saving and the
// year's change-over dates.
#include "tz/tzi.h"

#include <QTimeZone>

#include <cstdint>
#include <functional>
#include <string>

namespace hv::qt {

// Milliseconds since the epoch; tests hand in fixed instants.
using EpochClock = std::function<std::int64_t()>;
std::int64_t systemNowMs();

struct ZoneRules {
    Tzi tzi;                  // dates zero when the year has no daylight saving
    std::string standardName; // the database's abbreviation: "IST", "CET"
    std::string daylightName; // the standard name where there is no daylight saving
    bool daylightNow = false;
};

// The zone's rules in the year (UTC) of the instant now.
ZoneRules zoneRules(const QTimeZone& zone, std::int64_t nowMs);

// "+05:30", "-03:30", "+00:00".
std::string offsetText(std::int32_t minutesEastOfUtc);

} // namespace hv::qt
