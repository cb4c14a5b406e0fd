#pragma once
// What the tz database says of one zone's standard time in the current
// year, and the clock that says which year that is.
#include <QTimeZone>

#include <cstdint>
#include <functional>
#include <string>

namespace hv::qt {

// Milliseconds since the epoch; tests hand in fixed instants.
using EpochClock = std::function<std::int64_t()>;
std::int64_t systemNowMs();

// The zone's standard bias in minutes (UTC = local standard time + bias)
// in the year (UTC) of the instant now; 0 for an invalid zone.
std::int32_t standardBias(const QTimeZone& zone, std::int64_t nowMs);

// "+05:30", "-03:30", "+00:00".
std::string offsetText(std::int32_t minutesEastOfUtc);

} // namespace hv::qt
