#pragma once
// The registry, in the shape of the Win32 calls the Windows side makes:
// the registry itself in the program, one held in memory in tests.
#include <cstdint>
#include <span>
#include <string_view>

namespace hv {

// An open key, or a predefined root. 0 is no key.
using RegKey = std::uintptr_t;

namespace reg {

inline constexpr RegKey kHKeyCurrentUser = 0x80000001;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002;

// Result codes.
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kMoreData = 234;
inline constexpr long kNoMoreItems = 259;

// Value types.
inline constexpr std::uint32_t kString = 1; // REG_SZ
inline constexpr std::uint32_t kExpandString = 2; // REG_EXPAND_SZ
inline constexpr std::uint32_t kBinary = 3; // REG_BINARY

// Query value, set value, create sub-key, enumerate sub-keys, notify and
// create link: every right the program asks for when it opens a key.
inline constexpr std::uint32_t kKeyAccess = 0x3F;
// KEY_READ: query values, enumerate sub-keys, notify, read control. All a
// key under HKEY_LOCAL_MACHINE is opened with: a standard user has no right
// to write there, and asking for one refuses the key.
inline constexpr std::uint32_t kKeyRead = 0x20019;
// Added to the rights: the 32-bit programs' view of a key that Windows
// keeps apart for them; nothing where there is no such view.
inline constexpr std::uint32_t kWow64_32Key = 0x0200;

} // namespace reg

class Registry {
public:
    virtual ~Registry() = default;
    // RegOpenKeyExA. On failure result is 0.
    virtual long openKey(
        RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access, RegKey& result)
        = 0;
    // RegEnumKeyA: the name of the index-th sub-key, with its terminating
    // NUL, into name. kNoMoreItems past the last one.
    virtual long enumKey(RegKey key, std::uint32_t index, std::span<char> name) = 0;
    // RegQueryValueExA: type is set to the value's type, data receives the
    // value (texts with their terminating NUL) and size its length in bytes.
    // A value longer than data gives kMoreData and leaves data untouched.
    virtual long queryValue(
        RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data, std::uint32_t& size)
        = 0;
    // RegSetValueExA: the value gets this type and these bytes (a text with
    // its terminating NUL).
    virtual long setValue(
        RegKey key, std::string_view valueName, std::uint32_t type, std::span<const std::uint8_t> data)
        = 0;
    // RegDeleteValueA: kFileNotFound when there is no such value.
    virtual long deleteValue(RegKey key, std::string_view valueName) = 0;
    virtual long closeKey(RegKey key) = 0;
};

} // namespace hv
