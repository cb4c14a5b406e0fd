#include "platform/qt/zones/tz_text.h"

#include "platform/qt/storage/small_file.h"

#include <cstdio>

namespace hv::qt {

std::optional<QByteArray> readTzText(const QString& path, qint64 maxBytes)
{
    SmallFile file = readSmallFile(path, maxBytes);
    switch (file.refusal) {
    case SmallFile::Refusal::None: return std::move(file.bytes);
    case SmallFile::Refusal::NotRegular:
        // A device or a pipe could feed the reader without end.
        std::fprintf(stderr, "horavista: %s is not an ordinary file; not read\n", qPrintable(path));
        break;
    case SmallFile::Refusal::TooLarge:
        std::fprintf(stderr, "horavista: %s is larger than %lld bytes, too large for a tz database file; not read\n",
            qPrintable(path), static_cast<long long>(maxBytes));
        break;
    case SmallFile::Refusal::CannotOpen:
    case SmallFile::Refusal::ReadFailed: break;
    }
    return std::nullopt;
}

namespace {

// Calls take(line) for each line that is neither blank nor a comment,
// trimmed, as bytes: most of tzdata.zi is rules the program never reads,
// and turning them into text would cost more than the rest of the start.
template <typename Take>
void forEachRecordLine(QByteArrayView contents, Take take)
{
    while (!contents.isEmpty()) {
        const qsizetype end = contents.indexOf('\n');
        const QByteArrayView line = (end < 0 ? contents : contents.first(end)).trimmed();
        contents = end < 0 ? QByteArrayView() : contents.sliced(end + 1);
        if (!line.isEmpty() && !line.startsWith('#'))
            take(line);
    }
}

QStringList fieldsOf(QByteArrayView line, QChar separator)
{
    return QString::fromUtf8(line).split(separator, Qt::SkipEmptyParts);
}

} // namespace

std::vector<QStringList> parseRecords(QByteArrayView contents, QChar separator)
{
    std::vector<QStringList> records;
    forEachRecordLine(contents, [&](QByteArrayView line) { records.push_back(fieldsOf(line, separator)); });
    return records;
}

std::vector<ZoneRow> parseZoneRows(QByteArrayView contents)
{
    std::vector<ZoneRow> rows;
    for (const QStringList& fields : parseRecords(contents, '\t')) {
        if (fields.size() >= 3)
            rows.push_back({fields[2].toStdString(), fields[0].toStdString(),
                fields.size() > 3 ? fields[3].toStdString() : std::string()});
    }
    return rows;
}

QHash<QString, QString> parseCountryNames(QByteArrayView contents)
{
    QHash<QString, QString> countries;
    for (const QStringList& fields : parseRecords(contents, '\t')) {
        if (fields.size() >= 2)
            countries.insert(fields[0], fields[1]);
    }
    return countries;
}

QHash<QString, QString> parseTzdataLinks(QByteArrayView contents)
{
    QHash<QString, QString> links;
    forEachRecordLine(contents, [&](QByteArrayView line) {
        if (!line.startsWith("L "))
            return;
        if (const QStringList fields = fieldsOf(line, ' '); fields.size() == 3)
            links.insert(fields[2], fields[1]);
    });
    return links;
}

} // namespace hv::qt
