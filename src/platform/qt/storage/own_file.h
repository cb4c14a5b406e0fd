#pragma once
// Files the program writes as files of their own: whatever link has their
// name is never written through, so nothing outside their folder changes.
#include <QByteArrayView>
#include <QString>

#include <sys/types.h>

namespace hv::qt {

// Makes path a regular file holding contents, in place of whatever has that
// name now; a link there is replaced, not followed. Written aside in the
// same folder and renamed over it, so a failure leaves the old one whole. A
// regular file there keeps its permissions; a new one gets what the umask
// gives. False with errno set when it cannot be written.
bool replaceWithOwnFile(const QString& path, QByteArrayView contents);

enum class Created { Yes, NameTaken, Failed };

// Creates path holding contents only when nothing has that name yet, not
// even a link to nowhere. Failed (with errno set) leaves nothing behind.
Created createOwnFile(const QString& path, QByteArrayView contents, mode_t mode);

// Whether path is a regular file (not a link to one) holding exactly contents.
bool ownFileHolds(const QString& path, QByteArrayView contents);

} // namespace hv::qt
