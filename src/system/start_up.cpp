#include "system/start_up.h"

namespace hv {

std::string StartUpEntryName(std::string_view programPath)
{
    const auto slash = programPath.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? programPath : programPath.substr(slash + 1));
}

std::string StartUpCommand(std::string_view programPath) { return '"' + std::string(programPath) + '"'; }

void AddToStartup(LogInStart& logInStart, FileSystem& files)
{
    if (const std::string executable = files.executablePath(); !StartUpEntryName(executable).empty())
        logInStart.enable(executable);
}

void RemoveFromStartup(LogInStart& logInStart, FileSystem& files)
{
    if (const std::string executable = files.executablePath(); !StartUpEntryName(executable).empty())
        logInStart.disable(executable);
}

} // namespace hv
