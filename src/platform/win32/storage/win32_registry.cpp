#include "platform/win32/storage/win32_registry.h"

#include "platform/win32/storage/registry_value.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace hv::win32 {

namespace {

// The program's roots carry the classic 32-bit values; Windows' own are
// those values sign-extended to a pointer.
HKEY handleOf(RegKey key)
{
    if (key == reg::kHKeyCurrentUser)
        return HKEY_CURRENT_USER;
    if (key == reg::kHKeyLocalMachine)
        return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long Win32Registry::openKey(
    RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access, RegKey& result)
{
    HKEY opened = nullptr;
    const long status = RegOpenKeyExW(handleOf(root), widen(subKey).c_str(), options, access, &opened);
    result = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return status;
}

long Win32Registry::enumKey(RegKey key, std::uint32_t index, std::span<char> name)
{
    // Key names are at most 255 characters long.
    wchar_t wide[256];
    DWORD length = std::size(wide);
    const long status = RegEnumKeyExW(handleOf(key), index, wide, &length, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    const std::string text = narrow(std::wstring_view(wide, length));
    if (text.size() + 1 > name.size())
        return reg::kMoreData;
    std::copy(text.begin(), text.end(), name.begin());
    name[text.size()] = '\0';
    return reg::kSuccess;
}

long Win32Registry::queryValue(
    RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data, std::uint32_t& size)
{
    DWORD stored = 0;
    std::vector<BYTE> bytes;
    const long status = readValue(handleOf(key), widen(valueName), stored, bytes);
    if (status != ERROR_SUCCESS)
        return status;
    type = stored;
    if (isText(stored)) {
        const std::string text = textOf(bytes);
        bytes.assign(text.begin(), text.end());
        bytes.push_back(0);
    }
    size = static_cast<std::uint32_t>(bytes.size());
    if (bytes.size() > data.size())
        return reg::kMoreData;
    std::copy(bytes.begin(), bytes.end(), data.begin());
    return reg::kSuccess;
}

long Win32Registry::setValue(
    RegKey key, std::string_view valueName, std::uint32_t type, std::span<const std::uint8_t> data)
{
    if (!isText(type))
        return RegSetValueExW(
            handleOf(key), widen(valueName).c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    // The text ends at its first NUL, or with the data when it has none.
    const auto* chars = reinterpret_cast<const char*>(data.data());
    return writeText(handleOf(key), widen(valueName), type,
        std::string_view(chars, std::find(chars, chars + data.size(), '\0') - chars));
}

long Win32Registry::deleteValue(RegKey key, std::string_view valueName)
{
    return RegDeleteValueW(handleOf(key), widen(valueName).c_str());
}

long Win32Registry::closeKey(RegKey key) { return RegCloseKey(handleOf(key)); }

} // namespace hv::win32
