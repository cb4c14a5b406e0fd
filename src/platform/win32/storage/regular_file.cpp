#include "platform/win32/storage/regular_file.h"

#include "runtime/runtime.h"
#include "platform/win32/wide_text.h"

namespace hv::win32 {

RegularFile::RegularFile(const std::string& path)
    : handle_(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr))
{
    // A folder cannot be opened so; a device or pipe can, and is refused.
    if (handle_ == INVALID_HANDLE_VALUE)
        throw RuntimeError::pathFileAccessError();
    if (GetFileType(handle_) != FILE_TYPE_DISK) {
        CloseHandle(handle_);
        throw RuntimeError::pathFileAccessError();
    }
}

std::int64_t RegularFile::size() const
{
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? size.QuadPart : 0;
}

DWORD RegularFile::read(void* into, DWORD count)
{
    DWORD got = 0;
    return ReadFile(handle_, into, count, &got, nullptr) ? got : 0;
}

} // namespace hv::win32
