#pragma once
// Windows cursor (.cur) and icon (.ico) files as mouse pointers.
#include <windows.h>

#include <string>

namespace hv::win32 {

// The pointer the file makes; the caller owns it. Raises "Invalid picture"
// for a file that is neither cursor nor icon, and "Path/File access error"
// for one that cannot be read or is no regular file.
HCURSOR loadCursorFile(const std::string& path);

} // namespace hv::win32
