#pragma once
// Files beside the executable, through Qt's file information.
#include "platform/file_system.h"

#include <QStringList>

namespace hv::qt {

class QtFileSystem : public FileSystem {
public:
    // The first of programFolders() that has something by that name (a
    // file, a folder, a link, whether usable or not); the program's own
    // folder when none has. What is found there is then judged as it
    // stands: an unusable file is not passed over for one further on.
    // Empty when no folder is known, never the current folder.
    std::string programFile(std::string_view relativePath) override;
    // The bytes of the path as they are, also when they are not UTF-8.
    std::string executablePath() override;
    std::optional<std::int64_t> modificationTime(const std::string& path) override;
    // Hidden files are those whose name starts with a dot; a file the user
    // may not read counts as a system file.
    bool findOrdinaryFile(const std::string& path) override;

    // Where files beside the program are looked for, in order: the
    // executable's folder, which a build and a copied program use, then
    // "horavista" in the user's data folder ($XDG_DATA_HOME, by default
    // ~/.local/share) and in each system data folder ($XDG_DATA_DIRS, by
    // default /usr/local/share and /usr/share), as the XDG Base Directory
    // rules have them, where an installed program's user puts them. A
    // folder whose path is not UTF-8 is left out: no text names it.
    static QStringList programFolders();
};

} // namespace hv::qt
