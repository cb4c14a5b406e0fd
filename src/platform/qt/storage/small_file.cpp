#include "platform/qt/storage/small_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hv::qt {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

SmallFile refused(SmallFile::Refusal refusal) { return {{}, refusal}; }

} // namespace

SmallFile readSmallFile(const QString& path, qint64 maxBytes)
{
    // Opening some devices does things (a serial line, a tape): look
    // before opening. A pipe opened for reading waits for a writer unless
    // told not to, and what the path names may change between the look and
    // the open: only the opened descriptor tells what was opened.
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return refused(SmallFile::Refusal::CannotOpen);
    if (!S_ISREG(status.st_mode))
        return refused(SmallFile::Refusal::NotRegular);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return refused(SmallFile::Refusal::CannotOpen);
    if (!S_ISREG(status.st_mode))
        return refused(SmallFile::Refusal::NotRegular);
    if (status.st_size > maxBytes)
        return refused(SmallFile::Refusal::TooLarge);

    // The file may grow while it is read, and some (those under /proc)
    // tell no size at all: the limit holds for what is read.
    QByteArray bytes;
    bytes.reserve(status.st_size + 1);
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return refused(SmallFile::Refusal::ReadFailed);
        }
        bytes.append(chunk, got);
        if (bytes.size() > maxBytes)
            return refused(SmallFile::Refusal::TooLarge);
    }
    return {bytes, SmallFile::Refusal::None};
}

QByteArray readSmallFileOrRaise(const QString& path, qint64 maxBytes, const RuntimeError& tooLarge)
{
    SmallFile file = readSmallFile(path, maxBytes);
    switch (file.refusal) {
    case SmallFile::Refusal::None: return std::move(file.bytes);
    case SmallFile::Refusal::TooLarge: throw tooLarge;
    default: throw RuntimeError::pathFileAccessError();
    }
}

} // namespace hv::qt
