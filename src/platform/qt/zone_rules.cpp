#include "platform/qt/zone_rules.h"

#include "platform/qt/zoneinfo.h"

#include <QDateTime>

#include <cstdlib>

namespace hv::qt {

namespace {

using Transition = QTimeZone::OffsetData;

// A change-over in the Windows "absolute date" form: the local wall-clock
// time just before the change, Sunday as day 0.
SystemTime changeOver(const QTimeZone& zone, const Transition& t)
{
    const int offsetBefore = zone.offsetFromUtc(t.atUtc.addMSecs(-1));
    const QDateTime local = t.atUtc.addSecs(offsetBefore);
    const QDate d = local.date();
    const QTime time = local.time();
    auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    return {u16(d.year()),     u16(d.month()),  u16(d.dayOfWeek() % 7), u16(d.day()),
            u16(time.hour()), u16(time.minute()), u16(time.second()),     u16(time.msec())};
}

} // namespace

std::int64_t systemNowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

ZoneRules zoneRules(const QTimeZone& zone, std::int64_t nowMs)
{
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs, Qt::UTC);
    const int year = now.date().year();
    const QDateTime yearStart(QDate(year, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime yearEnd = QDateTime(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC).addMSecs(-1);
    const QList<Transition> transitions = zone.transitions(yearStart, yearEnd);

    // Daylight time is the higher of the two offsets, as Windows and the
    // tz database's rearguard form have it, also where the database marks
    // the lower one as the exception (Irish winter, Moroccan Ramadan): the
    // zone keeps the bias people know it by.
    int sign = 0;
    for (const Transition& t : transitions) {
        if (t.daylightTimeOffset != 0)
            sign = t.daylightTimeOffset > 0 ? 1 : -1;
    }
    const Transition* toDaylight = nullptr;
    const Transition* toStandard = nullptr;
    for (const Transition& t : transitions) {
        const bool daylight = sign > 0 ? t.daylightTimeOffset > 0 : t.daylightTimeOffset == 0;
        (daylight ? toDaylight : toStandard) = &t;
    }

    ZoneRules rules;
    int standard = zone.standardTimeOffset(now);
    if (sign != 0 && toDaylight && toStandard) {
        standard = toStandard->offsetFromUtc;
        rules.tzi.daylightBias = -(toDaylight->offsetFromUtc - standard) / 60;
        rules.tzi.daylightDate = changeOver(zone, *toDaylight);
        rules.tzi.standardDate = changeOver(zone, *toStandard);
        rules.daylightNow = zone.offsetFromUtc(now) != standard;
    }
    rules.tzi.bias = -standard / 60;

    if (isUtcId(zone.id())) {
        rules.standardName = rules.daylightName = kUtcName;
    } else {
        // The tz database's own names ("CET", "CEST", "IST"): the long
        // names come from ICU at a third of a millisecond a zone, which
        // would double the time the options window takes to open, and
        // nothing the user sees shows them.
        rules.standardName = (toStandard && rules.tzi.daylightBias != 0 ? toStandard->abbreviation
                                                                        : zone.abbreviation(now))
                                 .toStdString();
        rules.daylightName =
            rules.tzi.daylightBias != 0 ? toDaylight->abbreviation.toStdString() : rules.standardName;
    }
    return rules;
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
