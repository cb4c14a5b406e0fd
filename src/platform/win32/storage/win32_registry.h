#pragma once
// The registry itself, through the wide calls: names and texts cross in
// UTF-8 on the program's side, so a zone name outside the ANSI code page
// comes through whole.
#include "platform/win32/storage/registry.h"

namespace hv::win32 {

// Texts (REG_SZ, REG_EXPAND_SZ, unexpanded) reach the program as UTF-8 with
// their terminating NUL, and every size is counted in those UTF-8 bytes;
// values of other types pass as they are.
class Win32Registry : public Registry {
public:
    long openKey(
        RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access, RegKey& result) override;
    long enumKey(RegKey key, std::uint32_t index, std::span<char> name) override;
    long queryValue(RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data,
        std::uint32_t& size) override;
    long setValue(
        RegKey key, std::string_view valueName, std::uint32_t type, std::span<const std::uint8_t> data) override;
    long deleteValue(RegKey key, std::string_view valueName) override;
    long closeKey(RegKey key) override;
};

} // namespace hv::win32
