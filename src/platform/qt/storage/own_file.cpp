#include "platform/qt/storage/own_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hv::qt {

namespace {

// Writes all of contents and has it on the disk; closes fd either way.
bool writeAndClose(int fd, QByteArrayView contents)
{
    const char* at = contents.data();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            ::close(fd);
            errno = error;
            return false;
        }
        at += written;
        left -= written;
    }
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    return ::close(fd) == 0;
}

void removeKeepingErrno(const QByteArray& path)
{
    const int error = errno;
    ::unlink(path.constData());
    errno = error;
}

} // namespace

bool replaceWithOwnFile(const QString& path, QByteArrayView contents)
{
    const QByteArray target = QFile::encodeName(path);
    // Hidden and without the final name's suffix, so that a file left behind
    // by a program that ended half-way is taken for nothing.
    const QString aside = QFileInfo(path).path() + "/." + QFileInfo(path).fileName() + ".";
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = QFile::encodeName(aside + QString::number(QRandomGenerator::global()->generate64(), 36));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    struct stat old {};
    if (::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    if (!writeAndClose(fd, contents) || ::rename(temporary.constData(), target.constData()) != 0) {
        removeKeepingErrno(temporary);
        return false;
    }
    return true;
}

Created createOwnFile(const QString& path, QByteArrayView contents, mode_t mode)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return errno == EEXIST ? Created::NameTaken : Created::Failed;
    if (!writeAndClose(fd, contents)) {
        removeKeepingErrno(name);
        return Created::Failed;
    }
    return Created::Yes;
}

bool ownFileHolds(const QString& path, QByteArrayView contents)
{
    // A pipe opened for reading would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool same = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == contents.size();
    QFile file;
    if (same && file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        same = file.readAll() == contents;
    ::close(fd);
    return same;
}

} // namespace hv::qt
