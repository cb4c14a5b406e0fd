#pragma once
// The user's base folders as the XDG Base Directory rules name them.
#include <QString>

namespace hv::qt {

struct UserFolder {
    // As the user would look for it; a path that is not UTF-8 is shown as
    // well as its bytes allow.
    QString path;
    // Whether path names the folder. The program names files by text, and
    // a path that is not UTF-8 has no text that names it.
    bool usable = false;
};

// $variable when it holds an absolute path, otherwise underHome ("/.config")
// in the home folder: a relative path in these variables is invalid and
// ignored.
UserFolder userFolder(const char* variable, const char* underHome);

} // namespace hv::qt
