#pragma once
// The clock window's fonts. The numerals are drawn in the window's own
// font, which the frame measures to centre them: whatever draws a frame
// outside the window (the render tool, the benchmarks) uses it as well.
#include "platform/window.h"

namespace hv {

inline const FontDesign kNumeralFont{"Arial", 12, true};
inline const FontDesign kHintFont{"Arial", 9, true};

} // namespace hv
