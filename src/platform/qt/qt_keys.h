#pragma once
#include <cstdint>

namespace hv::qt {

// The Windows virtual-key code of a Qt key: letters and digits keep their
// ASCII codes, the modifiers are Shift 16, Ctrl 17, Alt 18, Caps Lock 20,
// Esc is 27. A key with no code of its own gets 0xFF, which is no letter.
std::int16_t virtualKeyOf(int qtKey);

// The shift state of classic key events: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftStateOf(int qtModifiers);

} // namespace hv::qt
