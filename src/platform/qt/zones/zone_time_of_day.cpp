#include "platform/qt/zones/zone_time_of_day.h"

#include "platform/qt/zones/zone_file_check.h"

#include <QDateTime>

namespace hv::qt {

double ZoneTimeOfDay::secondsSinceMidnight(std::string_view zoneKey)
{
    if (zoneKey != lastKey_) {
        lastKey_ = zoneKey;
        zone_ = checkedZone(QByteArray::fromStdString(lastKey_));
    }
    const std::int64_t now = now_();
    const QDateTime at
        = zone_.isValid() ? QDateTime::fromMSecsSinceEpoch(now, zone_) : QDateTime::fromMSecsSinceEpoch(now);
    return at.time().msecsSinceStartOfDay() / 1000.0;
}

} // namespace hv::qt
