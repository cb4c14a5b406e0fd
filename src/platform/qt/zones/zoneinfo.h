#pragma once
// The system's tz database as a catalogue of zones: the rows of its
// zone1970.tab (zone.tab on older systems) in the file's order, then UTC,
// with the country names of iso3166.tab for readable place names.
#include "platform/qt/zones/tz_text.h"

#include <QHash>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace hv::qt {

// The catalogue's key of the zone without offset or daylight saving, and
// the name of its time.
inline constexpr char kUtcKey[] = "UTC";
inline constexpr char kUtcName[] = "Coordinated Universal Time";

// The folder given, else $TZDIR, else /usr/share/zoneinfo.
QString zoneinfoDir(const QString& given = {});

// Ids that all name UTC itself (Etc/UTC, Zulu, GMT...): the same clock
// whatever the system calls it.
bool isUtcId(const QString& id);

class ZoneTable {
public:
    // Nothing when neither tab file can be read (a refused file counts as
    // unreadable).
    static std::optional<ZoneTable> read(const QString& dir);

    // Every zone, UTC last.
    const std::vector<ZoneRow>& rows() const { return rows_; }
    // The row with this id, compared without regard to case; -1 when none.
    int find(std::string_view id) const;
    // "Berlin, Germany", "Sydney, Australia - New South Wales (most areas)",
    // "Jamaica": the comment only where the country leads several rows,
    // since the tab files write it for that country alone, and nothing
    // said twice. UTC is kUtcName.
    std::string placeName(const ZoneRow& row) const;

private:
    std::vector<ZoneRow> rows_;
    QHash<QString, int> index_; // lower-case id -> row
    QHash<QString, QString> countries_; // "DE" -> "Germany"
    QHash<QString, int> leadingRows_; // first code -> rows it leads
};

// The catalogue key of a zone the system may know by another name: a link
// of the tz database (Asia/Calcutta -> Asia/Kolkata), a symbolic link in
// the folder, any name of UTC, or a zone that zone1970.tab merged into the
// only row of its country (Europe/Amsterdam -> Europe/Brussels). Nothing
// when no such answer is certain.
std::optional<std::string> catalogueKeyFor(const ZoneTable& table, const QString& dir, const QString& id);

} // namespace hv::qt
