#include "platform/win32/windows/win32_units.h"

#include "platform/win32/wide_text.h"

#include <cmath>

namespace hv::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr double kPointsPerInch = 72;

} // namespace

COLORREF toColorref(Colour colour)
{
    if (isSystemColour(colour))
        return GetSysColor(systemColourIndex(colour));
    return static_cast<COLORREF>(colour) & 0xFFFFFFu;
}

int twipsToPixels(int twips, UINT dpi) { return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch); }

HFONT createFont(const FontDesign& font, UINT dpi)
{
    // A negative height asks for the character height, which is what a
    // size in points means.
    const int height = -static_cast<int>(std::lround(font.points * dpi / kPointsPerInch));
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
        widen(font.face).c_str());
}

} // namespace hv::win32
