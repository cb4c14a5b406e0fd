#pragma once
// Starting the program at log-in the way the desktop does it: a desktop
// entry "<executable's file name>.desktop" in the autostart folder of the
// user's configuration ($XDG_CONFIG_HOME/autostart, by default
// ~/.config/autostart).
#include "platform/log_in_start.h"

#include <QString>

#include <optional>

namespace hv::qt {

class AutostartEntry : public LogInStart {
public:
    // Writes the whole entry or nothing, creating the folder when missing.
    // The entry is a file of its own in the folder: a link of its name is
    // replaced, never written through. "Path/File access error" for a path
    // whose file name names no plain file in the folder or which a desktop
    // entry cannot hold (control characters, not UTF-8); "Permission
    // denied" when the folder or file cannot be written.
    void enable(const std::string& programPath) override;
    // Removes the entry; a link of its name goes, what it points to stays.
    void disable(const std::string& programPath) override;

    // Worked out from the environment on every call, so it follows it;
    // nothing when its path is not UTF-8 (then every call fails).
    static std::optional<QString> folder();
};

} // namespace hv::qt
