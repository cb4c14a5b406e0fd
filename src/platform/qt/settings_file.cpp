#include "platform/qt/settings_file.h"

#include "platform/qt/own_file.h"

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

bool lineBreak(char c) { return c == '\n' || c == '\r'; }

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
