#pragma once
// A key of the test's own (under HKEY_CURRENT_USER unless told), removed
// with all it holds when the test ends, and the registry read the plain
// Win32 way to check what the program wrote.
#include <windows.h>

#include <optional>
#include <string>

namespace hv::win32::testing {

class ScratchKey {
public:
    explicit ScratchKey(std::wstring path, HKEY root = HKEY_CURRENT_USER)
        : root_(root)
        , path_(std::move(path))
    {
        RegDeleteTreeW(root_, path_.c_str());
    }
    ~ScratchKey() { RegDeleteTreeW(root_, path_.c_str()); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;
    const std::wstring& path() const { return path_; }

private:
    HKEY root_;
    std::wstring path_;
};

// A REG_SZ value as Windows holds it, or nothing when there is none.
inline std::optional<std::wstring> storedText(HKEY root, const std::wstring& path, const std::wstring& name)
{
    wchar_t text[1024];
    DWORD size = sizeof text;
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(text);
}

} // namespace hv::win32::testing
