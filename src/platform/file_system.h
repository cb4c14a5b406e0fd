#pragma once
// The few things the program asks of the file system: files beside the
// executable, whether a file is there, and what it is.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hv {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Full path of a file in the program's folder (the executable's);
    // relativePath separates its parts with '/'.
    virtual std::string programFile(std::string_view relativePath) = 0;
    // Full path of the running program's own executable.
    virtual std::string executablePath() = 0;
    // The file's modification time (seconds since the epoch), or nothing
    // when it cannot be read.
    virtual std::optional<std::int64_t> modificationTime(const std::string& path) = 0;
    // A directory search for ordinary files: true when path names a file
    // that is neither a folder nor hidden nor a system file.
    virtual bool findOrdinaryFile(const std::string& path) = 0;
};

} // namespace hv
