#pragma once
// The options file as the settings store meets it on disk: whether it
// changed, and why it cannot be saved.
#include <QString>

#include <ctime>
#include <sys/types.h>

namespace hv::qt {

// What tells one version of a file from another without reading it: any
// write, a replacement by rename included, changes one of these.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    mode_t mode = 0;

    bool operator==(const FileStamp& other) const;
};

// The stamp of the file a path names, links followed: one stat call.
FileStamp stampOf(const QString& path);

// Why a file cannot be saved, as the user can act on it ("Permission
// denied"), worked out after the save failed.
QString whyNotSaved(const QString& file);

} // namespace hv::qt
