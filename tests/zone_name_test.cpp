// Display texts of the catalogue, normalised as the list shows them.
#include "tz/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace hv {
namespace {

TEST(ZoneName, NormalisesPrefixOffsetAndPlace)
{
    const struct {
        std::string display, expected;
    } cases[] = {
        {"(GMT+05:30) Chennai, Kolkata", "(GMT+05:30) Chennai, Kolkata"},
        {"(UTC+5:30) Chennai", "(UTC+05:30) Chennai"},
        {"(utc-03:00)   Brasilia", "(UTC-03:00) Brasilia"},
        {"(GMT) Casablanca, Monrovia", "(GMT) Casablanca, Monrovia"},
        {"(UTC) Coordinated Universal Time", "(UTC) Coordinated Universal Time"},
        {"(UTC+14:00) Kiritimati Island", "(UTC+14:00) Kiritimati Island"},
        {"(UTC+05:30)Chennai", "(UTC+05:30) Chennai"},
        {"(UTC+05:30) Chennai (India)", "(UTC+05:30) Chennai (India)"},
        {"(UTC+5:30:00) Chennai", "(UTC+05:30) Chennai"},
        {"", "() "},
        // No time of day after the sign: kept as it stands, upper-cased.
        {"(GMT+5) Tashkent", "(GMT+5) Tashkent"},
        {"(utc+5:3) Chennai", "(UTC+5:3) Chennai"},
        {"(UTC+24:00) Nowhere", "(UTC+24:00) Nowhere"},
        {"(UTC+05:30 Chennai", "(UTC+05:30 CHENNAI) (UTC+05:30 Chennai"},
        {"Chennai", "(CHENNAI) Chennai"},
        {"  (UTC+5:30) Chennai  ", "(UTC+05:30) Chennai"},
        {"(utc+05:30) Zürich", "(UTC+05:30) Zürich"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatZoneName(c.display), c.expected) << '"' << c.display << '"';
}

} // namespace
} // namespace hv
