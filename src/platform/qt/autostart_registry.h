#pragma once
// HKEY_CURRENT_USER's Software\Microsoft\Windows\CurrentVersion\Run, the
// programs started at log-in, kept where the desktop looks for them: each
// value is a desktop entry "<value name>.desktop" in the autostart folder
// of the user's configuration ($XDG_CONFIG_HOME/autostart, by default
// ~/.config/autostart). A value's data is the command line of the Run
// key: the program's path, in double quotes or bare.
#include "platform/qt/registry_keys.h"
#include "platform/registry.h"

#include <QString>

#include <optional>

namespace hv::qt {

class AutostartRegistry : public Registry {
public:
    // Only the Run key opens (its path without regard to case); opening it
    // leaves the folder as it is.
    long openKey(RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access,
                 RegKey& result) override;
    long enumKey(RegKey key, std::uint32_t index, std::span<char> name) override;
    // The program never reads its entry back (the log-in box shows the
    // stored switch), so the key answers no values.
    long queryValue(RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data,
                    std::uint32_t& size) override;
    // Writes the whole entry or nothing, creating the folder when missing.
    // The entry is a file of its own in the folder: a link of its name is
    // replaced, never written through.
    // kInvalidParameter for a value name that is no plain file name, a type
    // other than a text, or a path a desktop entry cannot hold (control
    // characters, not UTF-8); kAccessDenied when the folder or file cannot
    // be written.
    long setValue(RegKey key, std::string_view valueName, std::uint32_t type,
                  std::span<const std::uint8_t> data) override;
    // Removes the entry; a link of its name goes, what it points to stays.
    long deleteValue(RegKey key, std::string_view valueName) override;
    long closeKey(RegKey key) override;

    // Worked out from the environment on every call, so it follows it;
    // nothing when its path is not UTF-8 (then every call answers
    // kInvalidParameter).
    static std::optional<QString> folder();

private:
    struct RunKey {};
    HandleTable<RunKey> handles_;
};

} // namespace hv::qt
