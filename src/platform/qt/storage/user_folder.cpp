#include "platform/qt/storage/user_folder.h"

#include <QFile>

namespace hv::qt {

UserFolder userFolder(const char* variable, const char* underHome)
{
    QByteArray path = qgetenv(variable);
    if (!path.startsWith('/'))
        path = qgetenv("HOME") + underHome;
    return {QFile::decodeName(path), QByteArrayView(path).isValidUtf8()};
}

} // namespace hv::qt
