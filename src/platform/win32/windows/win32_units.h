#pragma once
// Design values as Windows takes them: colours as COLORREF, twips as pixels
// and points as font heights at a window's DPI.
#include "drawing/colour.h"
#include "platform/window.h"

#include <windows.h>

namespace hv::win32 {

// A system-colour reference becomes that colour of the current scheme.
COLORREF toColorref(Colour colour);

// Twips are 1/1440 inch: 15 to the pixel at 96 DPI. Fractions are dropped,
// as the Linux front-end drops them.
int twipsToPixels(int twips, UINT dpi);

// The caller owns the font.
HFONT createFont(const FontDesign& font, UINT dpi);

} // namespace hv::win32
