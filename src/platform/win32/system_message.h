#pragma once
// The system's own words for an error code, in the user's language.
#include <string>

namespace hv::win32 {

// FormatMessageW's text without its closing line break; "error N" when the
// system has none.
std::string systemMessage(unsigned long code);

} // namespace hv::win32
