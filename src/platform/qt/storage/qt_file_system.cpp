#include "platform/qt/storage/qt_file_system.h"

#include "platform/qt/storage/user_folder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <unistd.h>

namespace hv::qt {

QStringList QtFileSystem::programFolders()
{
    // Qt knows no executable whose path is not UTF-8.
    QStringList folders;
    if (const QString beside = QCoreApplication::applicationDirPath(); !beside.isEmpty())
        folders.append(beside);
    if (const UserFolder dataHome = userFolder("XDG_DATA_HOME", "/.local/share"); dataHome.usable)
        folders.append(QDir(dataHome.path).filePath("horavista"));
    QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = "/usr/local/share/:/usr/share/";
    // Relative paths in it are invalid and ignored.
    for (const QByteArray& dir : dataDirs.split(':'))
        if (dir.startsWith('/') && QByteArrayView(dir).isValidUtf8())
            folders.append(QDir(QFile::decodeName(dir)).filePath("horavista"));
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
    // Never the current folder: the program may be started from anywhere.
    return folders.isEmpty() ? std::string() : QDir(folders.first()).filePath(relative).toStdString();
}

std::string QtFileSystem::executablePath()
{
    if (const QString path = QCoreApplication::applicationFilePath(); !path.isEmpty())
        return path.toStdString();
    // Its bytes as they are, for those who can use them; a log-in entry,
    // which is UTF-8, refuses them.
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
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
