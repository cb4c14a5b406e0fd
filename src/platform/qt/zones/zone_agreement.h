#pragma once
// Whether two zones keep the same time: the same UTC offset at every
// instant of a span, which holds when it holds at the span's start and at
// every transition of either zone within it.
#include "platform/qt/zones/zone_rules.h"
#include "platform/zone_catalogue.h"

#include <QTimeZone>

namespace hv::qt {

// Since1970 when the zones agree from 1970 to the end of next year (the
// year of nowMs, in UTC), ThisYearAndNext when only from the start of
// this year, None otherwise or when either zone is invalid.
ZoneAgreement agreementOf(const QTimeZone& a, const QTimeZone& b, std::int64_t nowMs);

} // namespace hv::qt
