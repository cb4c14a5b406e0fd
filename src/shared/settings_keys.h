#pragma once
// The program's options in the settings store: every key, its default
// and its value texts. Nothing else names a key.
#include <string_view>

namespace hv::settings {

// Organisation and application under which every option is stored; on
// Linux the application also names the options' group.
inline constexpr std::string_view kApplication = "Horavista";
inline constexpr std::string_view kOrganisation = "Quellmark";

inline constexpr std::string_view kHideHint = "Check1"; // check state, default 0
inline constexpr std::string_view kKeepAwake = "Check4"; // check state, default 1
inline constexpr std::string_view kWindowsStartup = "Windows Startup"; // "On" / "Off"
inline constexpr std::string_view kTimeZone = "Combo1"; // list position
// The chosen zone's catalogue key, kept beside its position, which a
// changed list would give to another zone.
inline constexpr std::string_view kTimeZoneName = "Time Zone";
inline constexpr std::string_view kClockColour = "Clock Color"; // colour, default white
inline constexpr std::string_view kBackgroundColour = "Background Color"; // colour, default black
// A clock on every monitor ("1") or on the options window's only ("0").
inline constexpr std::string_view kEveryMonitor = "Every Monitor";
// The clock dimmed ("1") or not ("0") between two times of day ("HH:MM"),
// to a level in percent of its colour (5 to 100).
inline constexpr std::string_view kNightDim = "Night Dim";
inline constexpr std::string_view kNightFrom = "Night From";
inline constexpr std::string_view kNightTo = "Night To";
inline constexpr std::string_view kNightLevel = "Night Level";
// The dial moved a few pixels every minute ("1") or kept still ("0").
inline constexpr std::string_view kScreenCare = "Screen Care";

inline constexpr std::string_view kHideHintDefault = "0";
inline constexpr std::string_view kKeepAwakeDefault = "1";
inline constexpr std::string_view kClockColourDefault = "16777215";
inline constexpr std::string_view kBackgroundColourDefault = "0";
inline constexpr std::string_view kEveryMonitorDefault = "1";
inline constexpr std::string_view kNightDimDefault = "0";
inline constexpr std::string_view kNightFromDefault = "22:00";
inline constexpr std::string_view kNightToDefault = "06:00";
inline constexpr std::string_view kNightLevelDefault = "30";
inline constexpr std::string_view kScreenCareDefault = "0";
inline constexpr std::string_view kOn = "On";
inline constexpr std::string_view kOff = "Off";

} // namespace hv::settings
