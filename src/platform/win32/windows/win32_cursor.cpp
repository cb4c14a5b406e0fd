#include "platform/win32/windows/win32_cursor.h"

#include "runtime/runtime.h"
#include "platform/win32/storage/regular_file.h"
#include "platform/win32/wide_text.h"

namespace hv::win32 {

namespace {

// The header of a cursor or icon file: a zero word, then the type, 1 for
// an icon and 2 for a cursor, then the number of images.
bool cursorOrIconHeader(const unsigned char (&header)[6])
{
    const int type = header[2] | header[3] << 8;
    const int count = header[4] | header[5] << 8;
    return header[0] == 0 && header[1] == 0 && (type == 1 || type == 2) && count > 0;
}

} // namespace

HCURSOR loadCursorFile(const std::string& path)
{
    unsigned char header[6] = {};
    if (RegularFile(path).read(header, sizeof header) != sizeof header || !cursorOrIconHeader(header))
        throw RuntimeError::invalidPicture();
    HCURSOR cursor = LoadCursorFromFileW(widen(path).c_str());
    if (!cursor)
        throw RuntimeError::invalidPicture();
    return cursor;
}

} // namespace hv::win32
