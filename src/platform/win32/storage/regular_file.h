#pragma once
// A file a user may have put beside the program in place of anything: only
// a regular file on disk is read (never a device, pipe or folder).
#include <windows.h>

#include <cstdint>
#include <string>

namespace hv::win32 {

class RegularFile {
public:
    // Raises "Path/File access error" when the path names no regular file
    // that can be read.
    explicit RegularFile(const std::string& path);
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile() { CloseHandle(handle_); }

    std::int64_t size() const;
    // Up to count bytes from where the last read ended; how many came.
    DWORD read(void* into, DWORD count);

private:
    HANDLE handle_;
};

} // namespace hv::win32
