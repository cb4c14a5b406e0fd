// Zone files as a damaged disk or a hostile folder may hold them. The check
// in front of Qt must never pass a file that Qt's reader cannot take: what
// it lets through is read by QTimeZone here, under the sanitizers.
#include "platform/qt/zones/zone_file_check.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    if (!hv::qt::tzifFault(bytes).empty())
        return 0;

    // Qt reads zones only from its own folder, by a name relative to it.
    static QTemporaryDir folder;
    static int serial = 0;
    const QString name = QStringLiteral("zone%1").arg(++serial);
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        return 0;
    file.close();
    const QByteArray id = QDir(hv::qt::kQtZoneFolder).relativeFilePath(folder.filePath(name)).toUtf8();
    const QTimeZone zone(id);
    if (zone.isValid())
        (void)zone.offsetFromUtc(QDateTime::currentDateTimeUtc());
    QFile::remove(folder.filePath(name));
    return 0;
}
