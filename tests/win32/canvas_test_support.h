#pragma once
// Reading a DIB canvas's pixels back in the colours the program stores.
// Wine draws without antialiasing, so tests look at points well inside or
// well outside a shape, never at its edge.
#include "platform/win32/drawing/dib_canvas.h"

#include <cstdint>

namespace canvas_test {

// The stored form of the pixel's colour, 0x00BBGGRR.
inline hv::Colour colourAt(const hv::win32::DibCanvas& canvas, int x, int y)
{
    const std::uint32_t p = canvas.pixels()[static_cast<std::size_t>(y) * canvas.width() + x];
    return static_cast<hv::Colour>((p & 0xFF) << 16 | (p & 0xFF00) | (p >> 16 & 0xFF));
}

inline bool inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
inline bool isEmpty(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

} // namespace canvas_test
