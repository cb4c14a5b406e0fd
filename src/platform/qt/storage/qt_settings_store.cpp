#include "platform/qt/storage/qt_settings_store.h"

#include "platform/qt/storage/own_file.h"
#include "platform/qt/storage/small_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace hv::qt {

namespace {

// Far beyond any options file; a larger one is no options file to write over.
constexpr qint64 kMaxFileSize = 4 << 20;
// Long enough for another instance's save, short enough not to be noticed.
constexpr int kLockWaitMs = 1500;

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QString keyPath(std::string_view key) { return QCoreApplication::applicationName() + '/' + qs(key); }

} // namespace

QtSettingsStore::QtSettingsStore()
    : folder_(userFolder("XDG_CONFIG_HOME", "/.config"))
    , file_(folder_.path + '/' + QCoreApplication::organizationName() + '/' + QCoreApplication::applicationName()
          + ".ini")
{
}

void QtSettingsStore::follow() const
{
    if (!folder_.usable || (batches_ > 0 && lookedInBatch_))
        return;
    lookedInBatch_ = batches_ > 0;
    // Stamped before the read: a change made meanwhile shows at the next
    // look.
    const FileStamp now = stampOf(file_);
    if (seen_ == now)
        return;
    seen_ = now;
    const SmallFile file = readSmallFile(file_, kMaxFileSize);
    stored_ = codec_.decode(file.bytes).value_or(IniCodec::Values());
}

void QtSettingsStore::closeBatch() const
{
    if (--batches_ == 0)
        lookedInBatch_ = false;
}

std::optional<std::string> QtSettingsStore::read(std::string_view key) const
{
    follow();
    const QString path = keyPath(key);
    if (const auto unsaved = unsaved_.find(path); unsaved != unsaved_.end())
        return unsaved->toStdString();
    const QVariant value = stored_.value(path);
    if (!value.isValid())
        return std::nullopt;
    // A value someone wrote as a list ("a, b") comes back joined as it stood.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", ").toStdString();
    return value.toString().toStdString();
}

SettingsStore::WriteResult QtSettingsStore::write(std::string_view key, std::string_view text)
{
    follow();
    // A window's load writes back every value it restores; a value that is
    // already stored as it stands costs no trip to the disk.
    const QString path = keyPath(key);
    const QVariant stored = stored_.value(path);
    if (unsaved_.isEmpty() && stored.typeId() == QMetaType::QString && stored.toString() == qs(text))
        return {};
    unsaved_.insert(path, qs(text));
    WriteResult result;
    if (const QString why = save(result.damagedCopy); !why.isEmpty())
        result.failure = why.toStdString();
    return result;
}

QString QtSettingsStore::save(std::string& damagedCopy)
{
    if (!folder_.usable)
        return "the path of its folder is not valid UTF-8";
    const QString folder = QFileInfo(file_).path();
    if (!QDir().mkpath(folder))
        return "its folder " + folder + " cannot be made";
    QLockFile lock(file_ + ".lock");
    const QString held = takeLock(lock, file_, lockWasHeld_ ? 0 : kLockWaitMs);
    lockWasHeld_ = !held.isEmpty();
    return lockWasHeld_ ? held : saveLocked(damagedCopy);
}

QString QtSettingsStore::saveLocked(std::string& damagedCopy)
{
    const SaveTarget target = saveTarget(file_);
    if (!target.refusal.isEmpty())
        return target.refusal;
    // The file as it is now, which may have changed since it was last read.
    const FileStamp before = stampOf(target.path);
    const SmallFile current = readSmallFile(target.path, kMaxFileSize);
    if (current.refusal == SmallFile::Refusal::TooLarge)
        return "it is far larger than an options file";
    if (before.exists && current.refusal != SmallFile::Refusal::None)
        return "it cannot be read";
    if (before.exists && ::access(QFile::encodeName(target.path).constData(), W_OK) != 0)
        return errnoText(errno);
    // Qt writes back only what it could read: a damaged file is kept first.
    if (hasUnreadableLines(current.bytes)) {
        const std::optional<QString> copy = keepDamagedCopy(file_, current.bytes, before.mode & 0666);
        if (!copy)
            return "no copy of the damaged file could be kept beside it, so it is left as it is";
        damagedCopy = copy->toStdString();
    }
    const std::optional<QByteArray> contents = codec_.encode(current.bytes, unsaved_);
    if (!contents)
        return "no private copy of it could be made in the temporary folder";
    if (!replaceWithOwnFile(target.path, *contents))
        return errnoText(errno);
    unsaved_.clear();
    seen_.reset();
    lookedInBatch_ = false;
    return {};
}

} // namespace hv::qt
