#pragma once
// Reading a small file that a user may have put anywhere, in place of
// anything: a pipe, a device or a link to one, or something far larger
// than its kind of file ever is. Only a regular file (links followed) is
// read, never beyond a limit, and nothing here waits for a writer.
#include "runtime/runtime.h"

#include <QByteArray>
#include <QString>

namespace hv::qt {

struct SmallFile {
    enum class Refusal {
        None,
        CannotOpen, // missing, not permitted, a dangling link
        NotRegular, // a folder, a pipe, a device, a socket
        TooLarge, // more than the limit
        ReadFailed, // an input/output error part way
    };
    QByteArray bytes; // the whole file; empty when refused
    Refusal refusal = Refusal::None;
};

// The file at path, when it is a regular file of at most maxBytes.
SmallFile readSmallFile(const QString& path, qint64 maxBytes);

// The same, for the program's own readers: raises "Path/File access error"
// for a file that cannot be read or is no regular file, and tooLarge for a
// file beyond maxBytes, which is the reader's own error for a damaged file.
QByteArray readSmallFileOrRaise(const QString& path, qint64 maxBytes, const RuntimeError& tooLarge);

} // namespace hv::qt
