#include "platform/qt/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace hv::qt {

namespace {

bool operator==(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

QString errnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

bool FileStamp::operator==(const FileStamp& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modified == other.modified && changed == other.changed && mode == other.mode;
}

FileStamp stampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim, info.st_mode};
}

QString whyNotSaved(const QString& file)
{
    const QByteArray name = QFile::encodeName(file);
    const QFileInfo info(file);
    if (info.isDir())
        return "a folder is in its place";
    if (info.exists() && ::access(name.constData(), W_OK) != 0)
        return errnoText(errno);
    const QString folder = info.path();
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        return "its folder " + folder + " cannot be made";
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return errnoText(errno);
    return "the disk refused it";
}

} // namespace hv::qt
