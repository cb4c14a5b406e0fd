// Which catalogue zone keeps the computer's time when the computer is on a
// zone the catalogue has no entry for, judged on the system's tz database.
#include "qt/tz_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace hv;
using namespace hv::tzsupport;

TEST(ZoneAgreement, IsTheSameOffsetSince1970OrOverThisYearAndNext)
{
    using enum ZoneAgreement;
    const struct {
        const char* computer;
        const char* zone;
        ZoneAgreement expected;
    } cases[] = {
        {"EST5EDT", "America/New_York", Since1970},
        {"EST5EDT", "America/Toronto", ThisYearAndNext}, // apart in the 1974 US emergency saving
        {"EST5EDT", "America/Bogota", None}, // the same standard bias, no saving
        {"EST5EDT", "America/Chicago", None},
        {"EST5EDT,M3.2.0,M11.1.0", "America/New_York", ThisYearAndNext}, // today's rule only
        {"<+0330>-3:30", "Asia/Tehran", ThisYearAndNext},
        {"Europe/Berlin", "Europe/Berlin", Since1970},
        {"Europe/Berlin", "Africa/Algiers", None},
        {"EST5EDT", "Mars/Olympus_Mons", None},
    };
    for (const auto& c : cases) {
        const SystemZone computer(c.computer);
        qt::TzZoneCatalogue zones({}, fixedAt(utcMs(2026, 7, 1, 12)));
        EXPECT_EQ(zones.agreementWithOwnZone(c.zone), c.expected) << c.computer << " / " << c.zone;
    }
}

} // namespace
