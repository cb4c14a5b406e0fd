#pragma once
// Colours as the program stores and uses them: 0x00BBGGRR with red in the
// low byte, or a reference to a system colour (high bit set, index below).
#include <cstdint>

namespace hv {

using Colour = std::int32_t;

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0;
inline constexpr std::uint32_t kSystemColourFlag = 0x80000000u;
inline constexpr std::uint32_t kLastSystemColourIndex = 0x18; // info background
inline constexpr Colour kButtonFace = static_cast<Colour>(0x8000000Fu);
inline constexpr Colour kButtonText = static_cast<Colour>(0x80000012u);

inline bool isSystemColour(Colour c) { return (static_cast<std::uint32_t>(c) & kSystemColourFlag) != 0; }
inline int systemColourIndex(Colour c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }

// The value a window accepts as a colour property; anything else raises
// "Invalid property value".
Colour checkedColour(std::int32_t value);

} // namespace hv
