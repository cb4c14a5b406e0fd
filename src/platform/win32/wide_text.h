#pragma once
// The core keeps its texts in UTF-8; Windows' wide calls take UTF-16.
#include <string>
#include <string_view>

namespace hv::win32 {

// Invalid UTF-8 comes through with U+FFFD in place of each bad sequence.
std::wstring widen(std::string_view utf8);
// A lone surrogate comes through as U+FFFD.
std::string narrow(std::wstring_view utf16);

} // namespace hv::win32
