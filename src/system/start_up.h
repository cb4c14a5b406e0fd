#pragma once
// Starting the program when the user logs in: the entry names the running
// program's own executable, by its full path.
#include "platform/file_system.h"
#include "platform/log_in_start.h"

#include <string>
#include <string_view>

namespace hv {

// The entry is named after the executable's file name; empty when the path
// names no file, and then there is no entry to write or remove.
std::string StartUpEntryName(std::string_view programPath);
// The command line the entry runs: the path in double quotes, so a path
// with blanks names one program.
std::string StartUpCommand(std::string_view programPath);

// Both raise a run-time error when the entry cannot be written or removed.
void AddToStartup(LogInStart& logInStart, FileSystem& files);
void RemoveFromStartup(LogInStart& logInStart, FileSystem& files);

} // namespace hv
