#pragma once
// A canvas's pixels as a PNG file, written with GDI+'s encoder.
#include <cstdint>
#include <span>
#include <string>

namespace hv::win32 {

// Pixels as a DIB canvas holds them: blue, green, red and an unused byte,
// rows top-down. Written beside path and renamed over it once whole, so a
// failure leaves an older picture as it was; a folder or a device with
// that name is refused. Throws naming the file and why it was not written.
void writePng(std::span<const std::uint32_t> pixels, int width, int height, const std::string& path);

} // namespace hv::win32
