#include "platform/win32/storage/win32_settings_store.h"

#include "platform/win32/storage/registry_value.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace hv::win32 {

namespace {

// A key open for one read or write.
class Key {
public:
    Key(const std::wstring& path, REGSAM access, bool create)
    {
        status_ = create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                      nullptr, &key_, nullptr)
                         : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &key_);
    }
    ~Key()
    {
        if (status_ == ERROR_SUCCESS)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    long status() const { return status_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
    long status_;
};

} // namespace

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
    const Key open(keyPath_, KEY_QUERY_VALUE, false);
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
    const Key open(keyPath_, KEY_SET_VALUE, true);
    if (open.status() != ERROR_SUCCESS)
        return {systemMessage(static_cast<unsigned long>(open.status())), {}};
    const long status = writeText(open.get(), widen(key), REG_SZ, text);
    if (status != ERROR_SUCCESS)
        return {systemMessage(static_cast<unsigned long>(status)), {}};
    return {};
}

std::string Win32SettingsStore::location() const { return "HKEY_CURRENT_USER\\" + narrow(keyPath_); }

} // namespace hv::win32
