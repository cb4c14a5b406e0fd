#include "platform/win32/storage/win32_settings_store.h"

#include "platform/win32/storage/registry_value.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace hv::win32 {

std::wstring Win32SettingsStore::keyPathFor(std::string_view organisation, std::string_view application)
{
    return L"Software\\" + widen(organisation) + L"\\" + widen(application);
}

Win32SettingsStore::Win32SettingsStore(std::wstring keyPath)
    : keyPath_(std::move(keyPath))
{
}

std::optional<std::string> Win32SettingsStore::read(std::string_view key) const
{
    const OpenedKey open(HKEY_CURRENT_USER, keyPath_.c_str(), KEY_QUERY_VALUE);
    if (open.status() != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (readValue(open.get(), widen(key), type, bytes) != ERROR_SUCCESS)
        return std::nullopt;
    if (isText(type))
        return textOf(bytes);
    // A value typed in by hand as a number reads as its decimal text.
    if (type == REG_DWORD && bytes.size() == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, bytes.data(), sizeof number);
        return std::to_string(number);
    }
    // Any other value is there, but holds no text: it reads as a text that
    // is no option's value, so the reader reports it as it would a wrong
    // text instead of quietly taking the default.
    return "(registry value of type " + std::to_string(type) + ")";
}

SettingsStore::WriteResult Win32SettingsStore::write(std::string_view key, std::string_view text)
{
    const OpenedKey open(HKEY_CURRENT_USER, keyPath_.c_str(), KEY_SET_VALUE, true);
    if (open.status() != ERROR_SUCCESS)
        return {systemMessage(static_cast<unsigned long>(open.status())), {}};
    const long status = writeText(open.get(), widen(key), REG_SZ, text);
    if (status != ERROR_SUCCESS)
        return {systemMessage(static_cast<unsigned long>(status)), {}};
    return {};
}

std::string Win32SettingsStore::location() const { return "HKEY_CURRENT_USER\\" + narrow(keyPath_); }

} // namespace hv::win32
