#include "platform/qt/qt_settings_store.h"

#include "shared/settings_keys.h"

#include <QFile>

#include <sys/stat.h>

namespace hv::qt {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

QString keyPath(std::string_view key) { return qs(settings::kSection) + '/' + qs(key); }

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, qs(settings::kOrganisation), qs(settings::kApplication))
{
}

void QtSettingsStore::follow() const
{
    // Values that could not be saved stay what the program reads; reading
    // the file again now would write them over it unchecked.
    if (unsaved_)
        return;
    // Stamped before Qt reads: a change made meanwhile shows at the next
    // look.
    const FileStamp now = stampOf(fileName());
    if (seen_ == now)
        return;
    seen_ = now;
    settings_.sync();
}

std::optional<std::string> QtSettingsStore::read(std::string_view key) const
{
    follow();
    const QVariant value = settings_.value(keyPath(key));
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
    const QVariant stored = settings_.value(keyPath(key));
    if (!unsaved_ && stored.typeId() == QMetaType::QString && stored.toString() == qs(text))
        return {};

    WriteResult result;
    const QString file = fileName();
    const FileStamp before = stampOf(file);
    // Qt writes back only what it could read: a damaged file is kept first.
    if (QFile current(file); S_ISREG(before.mode) && current.open(QIODevice::ReadOnly)) {
        const QByteArray contents = current.readAll();
        if (hasUnreadableLines(contents)) {
            const std::optional<QString> copy = keepDamagedCopy(file, contents, before.mode & 0666);
            if (!copy)
                return {"no copy of the damaged file could be kept beside it, so it is left as it is", {}};
            result.damagedCopy = copy->toStdString();
        }
    }
    settings_.setValue(keyPath(key), qs(text));
    settings_.sync();
    // Qt's status keeps its first error for good, so it cannot tell this
    // write from an earlier one. A save replaces the file, which changes
    // its stamp; a failed one leaves the file as it was.
    const FileStamp after = stampOf(file);
    seen_ = after;
    unsaved_ = !after.exists || after == before;
    if (unsaved_)
        return {whyNotSaved(file).toStdString(), {}};
    return result;
}

} // namespace hv::qt
