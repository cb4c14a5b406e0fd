#pragma once
// The options file as the settings store meets it on disk: whether it
// changed, whether Qt's INI reader would lose lines of it, where a damaged
// one is kept, where a save goes and why it cannot be saved.
#include <QByteArrayView>
#include <QLockFile>
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

// The system's text for an error number ("Permission denied").
QString errnoText(int error);

// Where a save of file goes: file itself, or the regular file a link of
// that name leads to. Anything else (a folder, a device, a pipe, a link to
// one or to nothing) is never written nor replaced: then why not, as the
// user can act on it ("it is a pipe, not a regular file").
struct SaveTarget {
    QString path;
    QString refusal;
};
SaveTarget saveTarget(const QString& file);

// Takes the lock Qt's own settings take on file ("NAME.lock"), waiting
// at most waitMs for another holder; a lock left by a program that has
// ended is taken over. Nothing when it is held; otherwise why not, naming
// the lock file. What is not a regular file there is never opened.
QString takeLock(QLockFile& lock, const QString& file, int waitMs);

} // namespace hv::qt
