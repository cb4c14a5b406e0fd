#pragma once
// The program's log-in entry as a value of the user's own "Run" key, named
// after the executable's file name and holding its quoted path. Written
// through the registry port, so a test can stand in a registry that
// refuses what Windows would refuse a standard user.
#include "platform/log_in_start.h"
#include "platform/win32/storage/registry.h"

#include <string_view>

namespace hv::win32 {

// Per user: a user may always write here, where the machine-wide key would
// need an administrator.
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RunKeyLogInStart : public LogInStart {
public:
    explicit RunKeyLogInStart(Registry& registry)
        : registry_(registry)
    {
    }

    void enable(const std::string& programPath) override;
    // Also removes the value of the same name under the machine-wide Run
    // key, which an earlier version or an administrator may have written,
    // when its command starts this executable: it would go on starting it.
    // A value that starts another program stays.
    void disable(const std::string& programPath) override;

private:
    Registry& registry_;
};

} // namespace hv::win32
