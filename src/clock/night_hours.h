#pragma once
// The night hours in which the clock dims: two times of day as the options
// store them, "HH:MM" on a 24-hour clock.
#include <optional>
#include <string_view>

namespace hv {

inline constexpr int kMinutesPerDay = 24 * 60;

// Minutes since midnight for "HH:MM" (the hour may have one digit), or
// nothing for any other text.
std::optional<int> parseClockTime(std::string_view text);

// Whether a minute of the day lies in the hours from `from` up to `to`. A
// start later than the end spans midnight; equal ends make no night.
bool insideNight(int minute, int from, int to);

} // namespace hv
