#pragma once
// Windows cursor (.cur) and icon (.ico) files as mouse pointers.
#include <QCursor>

#include <string>

namespace hv::qt {

// The pointer the file's first image makes. A cursor takes its hotspot
// from the file; an icon points with its centre, as icons have none.
// Raises "Invalid picture" for a file that is neither (or far larger
// than any cursor), and "Path/File access error" for one that cannot be
// read or is no regular file.
QCursor readCursorFile(const std::string& path);

} // namespace hv::qt
