#pragma once
// The order of the program's sorted lists on Windows: the user's locale
// collation, without regard to case. The drop-down list and the command-line
// tools share it, so a zone stands at the same place in both.
#include <string_view>

namespace hv::win32 {

// True when a sorts before b.
bool listOrderLess(std::wstring_view a, std::wstring_view b);

} // namespace hv::win32
