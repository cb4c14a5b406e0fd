#include "system/start_up.h"

#include "system/reg_stuff.h"

#include <string>

namespace hv {

namespace {

// The entry is named after the executable's file name.
std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void AddToStartup(Registry& registry, FileSystem& files)
{
    const std::string executable = files.executablePath();
    if (const std::string name = fileNameOf(executable); !name.empty())
        WriteRunEntry(registry, name, executable);
}

void RemoveFromStartup(Registry& registry, FileSystem& files)
{
    const std::string executable = files.executablePath();
    const std::string name = fileNameOf(executable);
    if (name.empty())
        return;
    // The machine-wide entry first: when it cannot go, the user's stays
    // too, and the box that says the program starts at log-in is right.
    DeleteMachineRunEntry(registry, name, executable);
    DeleteRunEntry(registry, name);
}

} // namespace hv
