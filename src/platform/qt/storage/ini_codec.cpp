#include "platform/qt/storage/ini_codec.h"

#include "platform/qt/storage/own_file.h"
#include "platform/qt/storage/small_file.h"

#include <QFile>
#include <QSettings>

namespace hv::qt {

std::optional<QString> IniCodec::privateCopy(QByteArrayView ini)
{
    if (!dir_.isValid())
        return std::nullopt;
    const QString path = dir_.filePath(QString("copy%1.ini").arg(++copies_));
    if (createOwnFile(path, ini, 0600) != Created::Yes)
        return std::nullopt;
    return path;
}

std::optional<IniCodec::Values> IniCodec::decode(QByteArrayView ini)
{
    const std::optional<QString> copy = privateCopy(ini);
    if (!copy)
        return std::nullopt;
    Values values;
    {
        const QSettings settings(*copy, QSettings::IniFormat);
        for (const QString& key : settings.allKeys())
            values.insert(key, settings.value(key));
    }
    QFile::remove(*copy);
    return values;
}

std::optional<QByteArray> IniCodec::encode(QByteArrayView ini, const QMap<QString, QString>& changes)
{
    const std::optional<QString> copy = privateCopy(ini);
    if (!copy)
        return std::nullopt;
    bool written = false;
    {
        QSettings settings(*copy, QSettings::IniFormat);
        for (auto change = changes.begin(); change != changes.end(); ++change)
            settings.setValue(change.key(), change.value());
        settings.sync();
        // A format error is the damaged text read in, not a failed write.
        written = settings.status() != QSettings::AccessError;
    }
    SmallFile result = readSmallFile(*copy, 64 << 20);
    QFile::remove(*copy);
    if (!written || result.refusal != SmallFile::Refusal::None)
        return std::nullopt;
    return std::move(result.bytes);
}

} // namespace hv::qt
