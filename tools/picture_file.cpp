#include "picture_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace render_tool {

void writePicture(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    auto failed = [&](const QString& why) {
        return std::runtime_error(("could not write " + path + ": " + why).toStdString());
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        throw failed("it is no regular file");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    const bool written = write(file);
    if (!written)
        file.cancelWriting();
    if (!file.commit())
        throw failed(written ? file.errorString() : QStringLiteral("the picture could not be encoded"));
}

} // namespace render_tool
