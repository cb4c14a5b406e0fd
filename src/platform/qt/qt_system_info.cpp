#include "platform/qt/qt_system_info.h"

#include "platform/qt/zone_agreement.h"
#include "platform/qt/zone_file_check.h"
#include "platform/qt/zoneinfo.h"

namespace hv::qt {

QtSystemInfo::QtSystemInfo(QString zoneinfoDir, EpochClock now)
    : dir_(qt::zoneinfoDir(zoneinfoDir)), now_(std::move(now))
{
}

int QtSystemInfo::getVersionEx(OsVersionInfo& info)
{
    info.majorVersion = 10;
    info.minorVersion = 0;
    info.buildNumber = 0;
    info.platformId = kPlatformWin32Nt;
    return 1;
}

std::uint32_t QtSystemInfo::getTimeZoneInformation(TimeZoneInformation& info)
{
    const ZoneRules rules = zoneRules(ownZone(), now_());
    info.bias = rules.tzi.bias;
    info.standardName = rules.standardName;
    info.standardDate = rules.tzi.standardDate;
    info.standardBias = rules.tzi.standardBias;
    info.daylightName = rules.daylightName;
    info.daylightDate = rules.tzi.daylightDate;
    info.daylightBias = rules.tzi.daylightBias;
    if (rules.tzi.daylightBias == 0)
        return kTimeZoneIdUnknown;
    return rules.daylightNow ? kTimeZoneIdDaylight : kTimeZoneIdStandard;
}

std::string QtSystemInfo::currentZoneKeyName()
{
    const QString id = QString::fromUtf8(systemZoneId());
    if (const auto table = ZoneTable::read(dir_)) {
        if (const auto key = catalogueKeyFor(*table, dir_, id))
            return *key;
    }
    return id.toStdString();
}

ZoneAgreement QtSystemInfo::zoneAgreement(std::string_view catalogueKey)
{
    const QTimeZone& own = ownZone();
    if (!own.isValid())
        return ZoneAgreement::None;
    const QByteArray key(catalogueKey.data(), static_cast<qsizetype>(catalogueKey.size()));
    return agreementOf(own, checkedZone(key), now_());
}

std::string QtSystemInfo::missingCatalogueNote()
{
    return "The list of time zones (zone1970.tab or zone.tab) was not found in " + dir_.toStdString() +
           "; it comes with the tzdata package.";
}

const QTimeZone& QtSystemInfo::ownZone()
{
    if (const QByteArray id = systemZoneId(); id != ownId_) {
        ownId_ = id;
        own_ = checkedSystemZone();
    }
    return own_;
}

} // namespace hv::qt
