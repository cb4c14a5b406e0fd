#pragma once
// Files the program writes as files of their own: whatever link has their
// name is never written through, so nothing outside their folder changes.
#include <QByteArrayView>
#include <QString>

namespace hv::qt {

// Makes path a regular file holding contents, in place of whatever has that
// name now; a link there is replaced, not followed. Written aside in the
// same folder and renamed over it, so a failure leaves the old one whole. A
// regular file there keeps its permissions; a new one gets what the umask
// gives. False with errno set when it cannot be written.
bool replaceWithOwnFile(const QString& path, QByteArrayView contents);

} // namespace hv::qt
