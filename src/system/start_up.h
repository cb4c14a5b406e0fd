#pragma once
// Starting the program when the user logs in: the entry names the running
// program's own executable, by its full path.
#include "platform/file_system.h"
#include "platform/registry.h"

namespace hv {

// Both raise a run-time error when the entry cannot be written or deleted.
void AddToStartup(Registry& registry, FileSystem& files);
// Also removes a machine-wide entry of the same name that starts this
// executable, which would go on starting it.
void RemoveFromStartup(Registry& registry, FileSystem& files);

} // namespace hv
