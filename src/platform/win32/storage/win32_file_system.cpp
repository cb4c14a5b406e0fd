#include "platform/win32/storage/win32_file_system.h"

#include "platform/win32/file_time.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace hv::win32 {

namespace {

constexpr DWORD kNotOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

} // namespace

std::string Win32FileSystem::programFile(std::string_view relativePath)
{
    std::string path = executablePath();
    path.erase(path.find_last_of('\\') + 1);
    path += relativePath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string Win32FileSystem::executablePath()
{
    // A path may be longer than MAX_PATH: the buffer grows until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

std::optional<std::int64_t> Win32FileSystem::modificationTime(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    // Rounded down, also for times before 1970.
    const std::int64_t since1970 = ticksOf(data.ftLastWriteTime) - kTicksTo1970;
    return since1970 / kTicksPerSecond - (since1970 % kTicksPerSecond < 0 ? 1 : 0);
}

bool Win32FileSystem::findOrdinaryFile(const std::string& path)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(widen(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool ordinary = false;
    do
        ordinary = (found.dwFileAttributes & kNotOrdinary) == 0;
    while (!ordinary && FindNextFileW(search, &found));
    FindClose(search);
    return ordinary;
}

} // namespace hv::win32
