#pragma once
// A canvas's pixels as a PNG file, written with GDI+'s encoder.
#include <cstdint>
#include <span>
#include <string>

namespace hv::win32 {

// Pixels as a DIB canvas holds them: blue, green, red and an unused byte,
// rows top-down. Throws when the file cannot be written.
void writePng(std::span<const std::uint32_t> pixels, int width, int height, const std::string& path);

} // namespace hv::win32
