#pragma once
// Windows counts time in 100-nanosecond ticks since 1601-01-01 UTC.
#include <windows.h>

#include <cstdint>

namespace hv::win32 {

inline constexpr std::int64_t kTicksPerSecond = 10'000'000;
inline constexpr std::int64_t kTicksPerMs = 10'000;
// From 1601-01-01 to 1970-01-01.
inline constexpr std::int64_t kTicksTo1970 = 116'444'736'000'000'000;

inline std::int64_t ticksOf(const FILETIME& time)
{
    return static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
}

inline FILETIME fileTimeOf(std::int64_t ticks)
{
    const auto bits = static_cast<std::uint64_t>(ticks);
    return {static_cast<DWORD>(bits), static_cast<DWORD>(bits >> 32)};
}

} // namespace hv::win32
