#pragma once
// Files beside the executable, through the wide calls: paths cross in
// UTF-8, so a folder name outside the ANSI code page works.
#include "platform/file_system.h"

namespace hv::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::string programFile(std::string_view relativePath) override;
    std::string executablePath() override;
    std::optional<std::int64_t> modificationTime(const std::string& path) override;
    // path may hold wildcards: true when any match is an ordinary file.
    bool findOrdinaryFile(const std::string& path) override;
};

} // namespace hv::win32
