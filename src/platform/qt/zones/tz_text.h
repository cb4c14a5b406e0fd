#pragma once
// The tz database's text files (zone1970.tab, zone.tab, iso3166.tab,
// tzdata.zi): read with a bound, so a damaged or runaway file is refused
// instead of being read whole, and parsed from their bytes alone.
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace hv::qt {

// The real files are well under 200 KB.
inline constexpr qint64 kMaxTzTextBytes = 4 * 1024 * 1024;

struct ZoneRow {
    std::string id; // "Europe/Berlin"
    std::string codes; // "DE,DK,NO,SE,SJ"
    std::string comment; // "most of Germany"; may be empty
};

// The file's bytes. Nothing when it cannot be opened, and nothing, said on
// stderr, when it is no ordinary file or holds more than maxBytes.
std::optional<QByteArray> readTzText(const QString& path, qint64 maxBytes = kMaxTzTextBytes);

// The lines that are neither blank nor comments, each split at the
// separator (tabs in the tab files, blanks in tzdata.zi).
std::vector<QStringList> parseRecords(QByteArrayView contents, QChar separator);
// A zone tab file's rows: country codes, coordinates, id, comment. Lines
// with fewer than three fields are left out.
std::vector<ZoneRow> parseZoneRows(QByteArrayView contents);
// iso3166.tab: country code -> country name.
QHash<QString, QString> parseCountryNames(QByteArrayView contents);
// tzdata.zi's link lines ("L target link"): link name -> target.
QHash<QString, QString> parseTzdataLinks(QByteArrayView contents);

} // namespace hv::qt
