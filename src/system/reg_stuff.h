#pragma once
// The program's log-in entry as a value of the user's own "Run" key, and
// the small registry wrappers beneath it. A value that cannot be written
// or deleted raises a run-time error: the caller must not say the entry is
// there when it is not.
#include "platform/registry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace hv {

// Per user: a user may always write here, where the machine-wide key would
// need an administrator.
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value valueName = the executable's full path in double quotes, so a
// path with blanks names one program.
void WriteRunEntry(Registry& registry, const std::string& valueName, const std::string& executablePath);
// Deleting an entry that is not there does nothing.
void DeleteRunEntry(Registry& registry, const std::string& valueName);
// The value of the same name under the machine-wide Run key, which an
// earlier version or an administrator may have written: deleted when its
// command starts this executable, left alone when it starts another
// program. Deleting it needs an administrator; without one it raises.
void DeleteMachineRunEntry(Registry& registry, const std::string& valueName, const std::string& executablePath);

void SetKeyValue(Registry& registry, RegKey root, std::string_view key, std::string_view valueName,
                 std::string_view value, std::uint32_t type);
// Writes value as text with its terminating NUL; returns the registry's
// result.
long SetValueEx(Registry& registry, RegKey key, std::string_view valueName, std::uint32_t type,
                std::string_view value);
void DeleteValue(Registry& registry, RegKey root, std::string_view key, std::string_view valueName,
                 std::uint32_t access = reg::kKeyAccess);

} // namespace hv
