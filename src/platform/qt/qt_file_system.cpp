#include "platform/qt/qt_file_system.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace hv::qt {

std::string QtFileSystem::programFile(std::string_view relativePath)
{
    const QString relative = QString::fromUtf8(relativePath.data(), static_cast<qsizetype>(relativePath.size()));
    return QDir(QCoreApplication::applicationDirPath()).filePath(relative).toStdString();
}

std::string QtFileSystem::executablePath()
{
    return QCoreApplication::applicationFilePath().toStdString();
}

std::optional<std::int64_t> QtFileSystem::modificationTime(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    const QDateTime modified = info.lastModified();
    if (!info.exists() || !modified.isValid())
        return std::nullopt;
    return modified.toSecsSinceEpoch();
}

bool QtFileSystem::findOrdinaryFile(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && !info.isHidden() && info.isReadable();
}

} // namespace hv::qt
