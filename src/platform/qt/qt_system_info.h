#pragma once
// The operating system as the catalogue asks about it: the NT family
// (so the catalogue reads the NT key the tz database backs) and the zone
// the computer is set to, named as the catalogue names it.
#include "platform/qt/zone_rules.h"
#include "platform/system_info.h"

#include <QString>

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

private:
    QString dir_;
    EpochClock now_;
};

} // namespace hv::qt
