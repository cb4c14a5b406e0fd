// The catalogue over zoneinfo folders written by the tests: which tab file
// it reads, what it makes of the rows, and what it refuses.
#include "qt/tz_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hv;
using namespace hv::tzsupport;

TEST_F(TzMadeFolder, WithoutTabFilesTheCatalogueIsMissing)
{
    EXPECT_TRUE(zones().empty());
    EXPECT_TRUE(qt::TzZoneCatalogue(QDir(dir_.path()).filePath("nowhere")).zones().empty());
}

TEST_F(TzMadeFolder, ZoneTabServesWhereZone1970TabIsMissing)
{
    write("zone.tab", "# comment\n\nNL\t+5222+00454\tEurope/Amsterdam\nIN\t+2232+08822\tAsia/Kolkata\n");
    EXPECT_EQ(keysOf(zones()), (std::vector<std::string>{"Europe/Amsterdam", "Asia/Kolkata", "UTC"}));
    write("zone1970.tab", "BE,LU,NL\t+5050+00420\tEurope/Brussels\n");
    EXPECT_EQ(keysOf(zones()), (std::vector<std::string>{"Europe/Brussels", "UTC"}));
}

TEST_F(TzMadeFolder, PlaceNamesTakeTheCountryAndTheCommentWhereTheCountryHasSeveralZones)
{
    write("iso3166.tab", "AQ\tAntarctica\nAR\tArgentina\nCH\tSwitzerland\nDE\tGermany\nJM\tJamaica\n");
    write("zone1970.tab",
        "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
        "AR\t-3124-06411\tAmerica/Argentina/Cordoba\tmost areas\n"
        "CH,DE,LI\t+4723+00832\tEurope/Zurich\tBüsingen\n"
        "JM\t+175805-0764736\tAmerica/Jamaica\n"
        "AQ\t-720041+0023206\tAntarctica/Troll\tTroll\n"
        "AQ\t-6617+11031\tAntarctica/Casey\tCasey\n"
        "XX\t+0000+00000\tMars/Olympus_Mons\n");
    std::vector<std::string> displays;
    for (const CatalogueZone& zone : zones())
        displays.push_back(zone.display);
    // Mars/Olympus_Mons is listed, but is no zone the database knows.
    EXPECT_EQ(displays,
        (std::vector<std::string>{"(UTC-03:00) Buenos Aires, Argentina - Buenos Aires (BA, CF)",
            "(UTC-03:00) Cordoba, Argentina - most areas", "(UTC+01:00) Zurich, Switzerland", "(UTC-05:00) Jamaica",
            "(UTC+00:00) Troll, Antarctica", "(UTC+08:00) Casey, Antarctica", "(UTC) Coordinated Universal Time"}));
}

} // namespace
