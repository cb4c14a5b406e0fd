#pragma once
#include <cstdint>

class QKeyEvent;

namespace hv::qt {

// The Windows virtual-key code of a Qt key: letters and digits keep their
// ASCII codes, the modifiers are Shift 16, Ctrl 17, Alt 18, Caps Lock 20,
// Esc is 27. A key with no code of its own gets 0xFF, which is no letter.
std::int16_t virtualKeyOf(int qtKey);

// The virtual-key code of a key press. A letter of another script (the
// Cyrillic letters of a Russian layout) counts as the Latin letter whose
// place its key has on a US keyboard, as Windows counts it; the place is
// the key code X11 and Wayland give, the evdev code plus 8.
std::int16_t virtualKeyOf(const QKeyEvent& event);

// The shift state of classic key events: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftStateOf(int qtModifiers);

} // namespace hv::qt
