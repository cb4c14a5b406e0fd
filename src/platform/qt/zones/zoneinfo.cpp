#include "platform/qt/zones/zoneinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace hv::qt {

namespace {

// Links of more than a few steps do not occur; the bound only guards
// against a cycle in a damaged folder.
constexpr int kMaxLinkSteps = 8;

QString lowerOf(std::string_view id)
{
    return QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())).toLower();
}

// A zone tab file's rows; nothing when it cannot be read.
std::optional<std::vector<ZoneRow>> readTab(const QString& path)
{
    const auto contents = readTzText(path);
    if (!contents)
        return std::nullopt;
    return parseZoneRows(*contents);
}

QString firstCode(const ZoneRow& row) { return QString::fromStdString(row.codes).section(',', 0, 0); }

// The links of the tz database's own source, which also cover systems
// that copy rather than link.
QHash<QString, QString> tzdataLinks(const QString& dir)
{
    const auto contents = readTzText(QDir(dir).filePath("tzdata.zi"));
    return contents ? parseTzdataLinks(*contents) : QHash<QString, QString>();
}

std::optional<QString> symlinkTarget(const QString& dir, const QString& id)
{
    const QFileInfo info(QDir(dir).filePath(id));
    if (!info.isSymLink())
        return std::nullopt;
    const QString root = QDir(dir).canonicalPath() + '/';
    const QString target = info.canonicalFilePath();
    if (!target.startsWith(root))
        return std::nullopt;
    return target.mid(root.size());
}

// The single row of the catalogue that covers the country zone.tab gives
// the zone.
std::optional<std::string> onlyRowOfCountry(const ZoneTable& table, const QString& dir, const QString& id)
{
    const auto zoneTab = readTab(QDir(dir).filePath("zone.tab"));
    if (!zoneTab)
        return std::nullopt;
    const std::string wanted = id.toStdString();
    for (const ZoneRow& listed : *zoneTab) {
        if (listed.id != wanted)
            continue;
        const QString code = firstCode(listed);
        const ZoneRow* only = nullptr;
        for (const ZoneRow& row : table.rows()) {
            if (QString::fromStdString(row.codes).split(',').contains(code)) {
                if (only)
                    return std::nullopt;
                only = &row;
            }
        }
        if (only)
            return only->id;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QString zoneinfoDir(const QString& given)
{
    if (!given.isEmpty())
        return given;
    const QString fromEnvironment = qEnvironmentVariable("TZDIR");
    return fromEnvironment.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : fromEnvironment;
}

bool isUtcId(const QString& id)
{
    static const QSet<QString> names
        = {"UTC", "UCT", "Universal", "Zulu", "Etc/UTC", "Etc/UCT", "Etc/Universal", "Etc/Zulu", "GMT", "GMT0", "GMT+0",
            "GMT-0", "Greenwich", "Etc/GMT", "Etc/GMT0", "Etc/GMT+0", "Etc/GMT-0", "Etc/Greenwich"};
    return names.contains(id);
}

std::optional<ZoneTable> ZoneTable::read(const QString& dir)
{
    auto rows = readTab(QDir(dir).filePath("zone1970.tab"));
    if (!rows)
        rows = readTab(QDir(dir).filePath("zone.tab"));
    if (!rows)
        return std::nullopt;

    ZoneTable table;
    table.rows_ = std::move(*rows);
    for (const ZoneRow& row : table.rows_)
        ++table.leadingRows_[firstCode(row)];
    for (int i = 0; i < static_cast<int>(table.rows_.size()); ++i)
        table.index_.insert(lowerOf(table.rows_[i].id), i);
    if (table.find(kUtcKey) < 0) {
        table.index_.insert(lowerOf(kUtcKey), static_cast<int>(table.rows_.size()));
        table.rows_.push_back({kUtcKey, {}, {}});
    }

    if (const auto countries = readTzText(QDir(dir).filePath("iso3166.tab")))
        table.countries_ = parseCountryNames(*countries);
    return table;
}

int ZoneTable::find(std::string_view id) const { return index_.value(lowerOf(id), -1); }

std::string ZoneTable::placeName(const ZoneRow& row) const
{
    if (row.id == kUtcKey)
        return kUtcName;
    const QString city = QString::fromStdString(row.id).section('/', -1).replace('_', ' ');
    const QString code = firstCode(row);
    const QString comment = QString::fromStdString(row.comment);
    QString place = city;
    if (const QString country = countries_.value(code); !country.isEmpty() && country != city)
        place += ", " + country;
    if (!comment.isEmpty() && comment != city && leadingRows_.value(code) > 1)
        place += " - " + comment;
    return place.toStdString();
}

std::optional<std::string> catalogueKeyFor(const ZoneTable& table, const QString& dir, const QString& id)
{
    QString name = id;
    std::optional<QHash<QString, QString>> links; // read when first needed
    for (int step = 0; step < kMaxLinkSteps; ++step) {
        if (const int row = table.find(name.toStdString()); row >= 0)
            return table.rows()[row].id;
        if (isUtcId(name))
            return kUtcKey;
        if (!links)
            links = tzdataLinks(dir);
        std::optional<QString> target;
        if (const auto link = links->constFind(name); link != links->constEnd())
            target = *link;
        else
            target = symlinkTarget(dir, name);
        if (!target)
            return onlyRowOfCountry(table, dir, name);
        name = *target;
    }
    return std::nullopt;
}

} // namespace hv::qt
