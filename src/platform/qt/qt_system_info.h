#pragma once
// The operating system as the catalogue asks about it: the NT family
// (so the catalogue reads the NT key the tz database backs) and the zone
// the computer is set to, named as the catalogue names it.
#include "platform/qt/zone_rules.h"
#include "platform/system_info.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace hv::qt {

class QtSystemInfo : public SystemInfo {
public:
    explicit QtSystemInfo(QString zoneinfoDir = {}, EpochClock now = systemNowMs);

    // Windows 10 on the NT family.
    int getVersionEx(OsVersionInfo& info) override;
    std::uint32_t getTimeZoneInformation(TimeZoneInformation& info) override;
    // The system's zone id, or its catalogue key where it is an alias the
    // tz database resolves with certainty; otherwise the id as it is.
    std::string currentZoneKeyName() override;
    // The tz database's own test: the same UTC offsets since 1970.
    ZoneAgreement zoneAgreement(std::string_view catalogueKey) override;
    // Names the tz database folder and the package that fills it.
    std::string missingCatalogueNote() override;

private:
    // The computer's zone, read again only when its id changes: the list
    // asks about every zone in turn.
    const QTimeZone& ownZone();

    QString dir_;
    EpochClock now_;
    std::optional<QByteArray> ownId_; // none before the first read
    QTimeZone own_;
};

} // namespace hv::qt
