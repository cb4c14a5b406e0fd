#include "platform/qt/zones/tz_zone_catalogue.h"

#include "platform/qt/zones/zone_agreement.h"
#include "platform/qt/zones/zone_file_check.h"
#include "platform/qt/zones/zoneinfo.h"

namespace hv::qt {

namespace {

std::vector<CatalogueZone> readZones(const QString& dir, std::int64_t now)
{
    std::vector<CatalogueZone> zones;
    const auto table = ZoneTable::read(dir);
    if (!table)
        return zones;
    for (const ZoneRow& row : table->rows()) {
        const QTimeZone zone = checkedZone(QByteArray::fromStdString(row.id));
        if (!zone.isValid())
            continue;
        const std::int32_t bias = standardBias(zone, now);
        const std::string offset = row.id == kUtcKey ? std::string() : offsetText(-bias);
        zones.push_back({row.id, "(UTC" + offset + ") " + table->placeName(row), bias});
    }
    return zones;
}

} // namespace

TzZoneCatalogue::TzZoneCatalogue(QString zoneinfoDir, EpochClock now)
    : dir_(qt::zoneinfoDir(zoneinfoDir))
    , now_(std::move(now))
{
}

std::vector<CatalogueZone> TzZoneCatalogue::zones()
{
    if (prefetched_.valid())
        return prefetched_.get();
    return readZones(dir_, now_());
}

void TzZoneCatalogue::prefetch() { prefetched_ = std::async(std::launch::async, readZones, dir_, now_()); }

std::string TzZoneCatalogue::ownZoneKey()
{
    const QString id = QString::fromUtf8(systemZoneId());
    if (const auto table = ZoneTable::read(dir_)) {
        if (const auto key = catalogueKeyFor(*table, dir_, id))
            return *key;
    }
    return id.toStdString();
}

ZoneAgreement TzZoneCatalogue::agreementWithOwnZone(std::string_view key)
{
    const QTimeZone& own = ownZone();
    if (!own.isValid())
        return ZoneAgreement::None;
    return agreementOf(own, checkedZone(QByteArray(key.data(), static_cast<qsizetype>(key.size()))), now_());
}

std::int32_t TzZoneCatalogue::ownStandardBias() { return standardBias(ownZone(), now_()); }

std::string TzZoneCatalogue::missingCatalogueNote()
{
    return "The list of time zones (zone1970.tab or zone.tab) was not found in " + dir_.toStdString()
        + "; it comes with the tzdata package.";
}

const QTimeZone& TzZoneCatalogue::ownZone()
{
    if (const QByteArray id = systemZoneId(); id != ownId_) {
        ownId_ = id;
        own_ = checkedSystemZone();
    }
    return own_;
}

} // namespace hv::qt
