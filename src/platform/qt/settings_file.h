#pragma once
// The options file as the settings store meets it on disk: whether it
// changed, whether Qt's INI reader would lose lines of it, where a damaged
// one is kept, and why it cannot be saved.
#include <QByteArrayView>
#include <QString>

#include <ctime>
#include <optional>
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

// Whether Qt's INI reader would drop or swallow lines of this text: a line
// with no "=" that is no comment, a section name left open, or a quote left
// open over a line break (which makes the rest of the file one value).
bool hasUnreadableLines(QByteArrayView ini);

// Keeps contents, the damaged file as it was, beside file as "NAME.bak",
// or "NAME.bak.1" to "NAME.bak.9" when an earlier copy of something else
// has the name; a copy of the same contents is used again. Never writes
// through a link. The copy's path, or nothing when none could be made.
std::optional<QString> keepDamagedCopy(const QString& file, QByteArrayView contents, mode_t mode);

// Why a file cannot be saved, as the user can act on it ("Permission
// denied"), worked out after the save failed.
QString whyNotSaved(const QString& file);

} // namespace hv::qt
