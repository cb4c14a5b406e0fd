#include "platform/qt/zones/zone_rules.h"

#include <QDateTime>

#include <cstdlib>

namespace hv::qt {

std::int64_t systemNowMs() { return QDateTime::currentMSecsSinceEpoch(); }

std::int32_t standardBias(const QTimeZone& zone, std::int64_t nowMs)
{
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs, Qt::UTC);
    const int year = now.date().year();
    const QDateTime yearStart(QDate(year, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime yearEnd = QDateTime(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC).addMSecs(-1);
    const QList<QTimeZone::OffsetData> transitions = zone.transitions(yearStart, yearEnd);

    // Daylight time is the higher of the two offsets, as Windows and the
    // tz database's rearguard form have it, also where the database marks
    // the lower one as the exception (Irish winter, Moroccan Ramadan): the
    // zone keeps the bias people know it by.
    int sign = 0;
    for (const QTimeZone::OffsetData& t : transitions) {
        if (t.daylightTimeOffset != 0)
            sign = t.daylightTimeOffset > 0 ? 1 : -1;
    }
    bool toDaylight = false;
    const QTimeZone::OffsetData* toStandard = nullptr;
    for (const QTimeZone::OffsetData& t : transitions) {
        if (sign > 0 ? t.daylightTimeOffset > 0 : t.daylightTimeOffset == 0)
            toDaylight = true;
        else
            toStandard = &t;
    }
    const int standard
        = sign != 0 && toDaylight && toStandard ? toStandard->offsetFromUtc : zone.standardTimeOffset(now);
    return -standard / 60;
}

std::string offsetText(std::int32_t minutesEastOfUtc)
{
    const int minutes = std::abs(minutesEastOfUtc);
    return QStringLiteral("%1%2:%3")
        .arg(minutesEastOfUtc < 0 ? '-' : '+')
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .toStdString();
}

} // namespace hv::qt
