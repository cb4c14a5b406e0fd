#include "platform/win32/storage/registry_value.h"

#include "platform/win32/wide_text.h"

#include <cstring>

namespace hv::win32 {

OpenedKey::OpenedKey(HKEY parent, const wchar_t* path, REGSAM access, bool create)
{
    status_ = create
        ? RegCreateKeyExW(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr)
        : RegOpenKeyExW(parent, path, 0, access, &key_);
    if (status_ != ERROR_SUCCESS)
        key_ = nullptr;
}

OpenedKey::~OpenedKey()
{
    if (key_)
        RegCloseKey(key_);
}

long readValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& bytes)
{
    // The value may grow between asking for its size and reading it: the
    // read repeats until it fits.
    DWORD size = 0;
    long status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        bytes.resize(size);
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            break;
        }
    }
    return status;
}

std::string textOf(const std::vector<BYTE>& bytes)
{
    std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
    return narrow(std::wstring_view(wide.c_str()));
}

long writeText(HKEY key, const std::wstring& name, DWORD type, std::string_view text)
{
    const std::wstring wide = widen(text);
    return RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(wide.c_str()),
        static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

} // namespace hv::win32
