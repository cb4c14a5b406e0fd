#pragma once
// The time of day in a zone of the catalogue, from the tz database.
#include "platform/qt/zones/zone_rules.h"
#include "platform/services.h"

#include <QTimeZone>

#include <string>

namespace hv::qt {

class ZoneTimeOfDay : public TimeOfDay {
public:
    explicit ZoneTimeOfDay(EpochClock now = systemNowMs)
        : now_(std::move(now))
    {
    }

    double secondsSinceMidnight(std::string_view zoneKey) override;

private:
    EpochClock now_;
    // The clock asks every second, nearly always for the same zone.
    std::string lastKey_;
    QTimeZone zone_; // invalid: the computer's local time
};

} // namespace hv::qt
