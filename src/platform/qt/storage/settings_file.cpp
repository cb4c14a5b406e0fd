#include "platform/qt/storage/settings_file.h"

#include "platform/qt/storage/own_file.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace hv::qt {

namespace {

bool operator==(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

bool lineBreak(char c) { return c == '\n' || c == '\r'; }

QString kindOf(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFDIR: return "a folder";
    case S_IFCHR: return "a character device";
    case S_IFBLK: return "a block device";
    case S_IFIFO: return "a pipe";
    case S_IFSOCK: return "a socket";
    case S_IFLNK: return "a link";
    default: return "an unknown kind of file";
    }
}

} // namespace

bool FileStamp::operator==(const FileStamp& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size
        && modified == other.modified && changed == other.changed && mode == other.mode;
}

QString errnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

FileStamp stampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim, info.st_mode};
}

// Lines are split as Qt's INI reader splits them: a quote runs on over line
// breaks, a backslash takes the next character with it, and a ";" outside
// quotes starts a comment that runs to the end of the line.
bool hasUnreadableLines(QByteArrayView ini)
{
    qsizetype i = ini.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (i < ini.size()) {
        if (lineBreak(ini[i]) || ini[i] == ' ' || ini[i] == '\t') {
            ++i;
            continue;
        }
        if (ini[i] == ';') {
            while (i < ini.size() && !lineBreak(ini[i]))
                ++i;
            continue;
        }
        const qsizetype start = i;
        bool quoted = false;
        bool equals = false;
        for (; i < ini.size(); ++i) {
            const char c = ini[i];
            if (lineBreak(c) && quoted)
                return true;
            if (lineBreak(c) || (c == ';' && !quoted))
                break;
            if (c == '\\') {
                // An escaped line break, "\r\n" or "\n\r" too, continues the line.
                if (++i + 1 < ini.size() && lineBreak(ini[i]) && lineBreak(ini[i + 1]) && ini[i] != ini[i + 1])
                    ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == '=' && !quoted) {
                equals = true;
            }
        }
        const QByteArrayView line = ini.sliced(start, std::min(i, ini.size()) - start);
        if (line.startsWith('[') ? !line.contains(']') : !equals)
            return true;
    }
    return false;
}

std::optional<QString> keepDamagedCopy(const QString& file, QByteArrayView contents, mode_t mode)
{
    for (int n = 0; n < 10; ++n) {
        const QString copy = file + ".bak" + (n == 0 ? QString() : "." + QString::number(n));
        switch (createOwnFile(copy, contents, mode)) {
        case Created::Yes: return copy;
        case Created::Failed: return std::nullopt;
        case Created::NameTaken:
            if (ownFileHolds(copy, contents))
                return copy;
        }
    }
    return std::nullopt;
}

SaveTarget saveTarget(const QString& file)
{
    const QByteArray name = QFile::encodeName(file);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? SaveTarget{file, {}} : SaveTarget{{}, errnoText(errno)};
    if (S_ISREG(info.st_mode))
        return {file, {}};
    if (S_ISDIR(info.st_mode))
        return {{}, "a folder is in its place"};
    if (!S_ISLNK(info.st_mode))
        return {{}, "it is " + kindOf(info.st_mode) + ", not a regular file"};
    if (::stat(name.constData(), &info) != 0)
        return {{},
            errno == ENOENT ? "it is a link to nothing" : "it is a link that cannot be followed: " + errnoText(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, "it is a link to " + kindOf(info.st_mode) + ", not a regular file"};
    // Renamed over the file the links lead to, so that they still do.
    char resolved[PATH_MAX];
    if (!::realpath(name.constData(), resolved))
        return {{}, errnoText(errno)};
    return {QFile::decodeName(resolved), {}};
}

QString takeLock(QLockFile& lock, const QString& file, int waitMs)
{
    const QString name = file + ".lock";
    // Qt opens what is there to read who holds it, and a pipe would keep
    // it waiting for good; it takes a second lock to remove a stale one.
    for (const QString& path : {name, name + ".rmlock"}) {
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return "its lock file " + path + " is " + kindOf(info.st_mode) + ", not a regular file";
    }
    if (lock.tryLock(waitMs))
        return {};
    if (lock.error() != QLockFile::LockFailedError)
        return "its lock file " + name + " cannot be made";
    if (::access(QFile::encodeName(name).constData(), W_OK) != 0)
        return "its lock file " + name + " is held, and cannot be removed: " + errnoText(errno);
    return "its lock file " + name + " is held by another program";
}

} // namespace hv::qt
