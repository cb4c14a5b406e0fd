#pragma once
// The most one image of a frame may take. A larger one would be gigabytes
// allocated on the GUI thread for a picture no screen shows whole: no such
// image is made. The Windows canvas then draws nothing and its window
// shows only its background; the render tool refuses the size.
#include <cmath>
#include <cstdint>

namespace hv {

inline constexpr std::int64_t kMaxImageBytes = 1'000'000'000;

// The bytes of a 32-bit image of width by height logical pixels at the
// device pixel ratio.
inline std::int64_t imageBytes(int width, int height, double devicePixelRatio = 1.0)
{
    return std::llround(width * devicePixelRatio) * std::llround(height * devicePixelRatio) * 4;
}

inline bool fitsImageLimit(int width, int height, double devicePixelRatio = 1.0)
{
    return imageBytes(width, height, devicePixelRatio) <= kMaxImageBytes;
}

} // namespace hv
