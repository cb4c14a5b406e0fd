#include "platform/qt/zones/zone_agreement.h"

#include <QDateTime>

namespace hv::qt {

namespace {

QDateTime startOfYear(int year) { return QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC); }

bool agreeAt(const QTimeZone& a, const QTimeZone& b, const QDateTime& at)
{
    return a.offsetFromUtc(at) == b.offsetFromUtc(at);
}

// Offsets change only at transitions: agreeing at the start and just
// after every change of either zone is agreeing throughout.
bool agreeThroughout(const QTimeZone& a, const QTimeZone& b, const QDateTime& from, const QDateTime& to)
{
    if (!agreeAt(a, b, from))
        return false;
    for (const QTimeZone* zone : {&a, &b}) {
        for (const QTimeZone::OffsetData& change : zone->transitions(from, to))
            if (!agreeAt(a, b, change.atUtc))
                return false;
    }
    return true;
}

} // namespace

ZoneAgreement agreementOf(const QTimeZone& a, const QTimeZone& b, std::int64_t nowMs)
{
    if (!a.isValid() || !b.isValid())
        return ZoneAgreement::None;
    const int year = QDateTime::fromMSecsSinceEpoch(nowMs, Qt::UTC).date().year();
    const QDateTime end = startOfYear(year + 2).addMSecs(-1);
    // Most zones differ at once; the long span is read only for those that
    // agree over the short one.
    if (!agreeThroughout(a, b, startOfYear(year), end))
        return ZoneAgreement::None;
    if (!agreeThroughout(a, b, startOfYear(1970), startOfYear(year)))
        return ZoneAgreement::ThisYearAndNext;
    return ZoneAgreement::Since1970;
}

} // namespace hv::qt
