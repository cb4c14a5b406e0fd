#include "platform/qt/qt_file_system.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace hv::qt {

QStringList QtFileSystem::programFolders()
{
    QStringList folders{QCoreApplication::applicationDirPath()};
    // Relative paths in these variables are invalid and ignored.
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + "/.local/share";
    folders.append(QDir(dataHome).filePath("horavista"));
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = "/usr/local/share/:/usr/share/";
    for (const QString& dir : dataDirs.split(':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            folders.append(QDir(dir).filePath("horavista"));
    return folders;
}

std::string QtFileSystem::programFile(std::string_view relativePath)
{
    const QString relative = QString::fromUtf8(relativePath.data(), static_cast<qsizetype>(relativePath.size()));
    const QStringList folders = programFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(relative);
        // A link is there even when what it points to is gone.
        if (const QFileInfo info(path); info.exists() || info.isSymLink())
            return path.toStdString();
    }
    return QDir(folders.first()).filePath(relative).toStdString();
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
