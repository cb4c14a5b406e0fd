#pragma once
// Files beside the executable, through Qt's file information.
#include "platform/file_system.h"

namespace hv::qt {

class QtFileSystem : public FileSystem {
public:
    std::string programFile(std::string_view relativePath) override;
    std::string executablePath() override;
    std::optional<std::int64_t> modificationTime(const std::string& path) override;
    // Hidden files are those whose name starts with a dot; a file the user
    // may not read counts as a system file.
    bool findOrdinaryFile(const std::string& path) override;
};

} // namespace hv::qt
