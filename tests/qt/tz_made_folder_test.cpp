// The catalogue over zoneinfo folders written by the tests: which tab file
// it reads, what it makes of the rows, and what it refuses.
#include "qt/tz_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hv;
using namespace hv::tzsupport;
using qt::TzDatabaseRegistry;

TEST_F(TzMadeFolder, WithoutTabFilesTheCatalogueDoesNotOpen)
{
    EXPECT_EQ(catalogue(), std::vector<std::string>{"<does not open>"});
    TzDatabaseRegistry missing(QDir(dir_.path()).filePath("nowhere"));
    RegKey key = 99;
    EXPECT_EQ(missing.openKey(reg::kHKeyLocalMachine, kCatalogue, 0, reg::kKeyAccess, key), reg::kFileNotFound);
    EXPECT_EQ(key, 0u);
}

TEST_F(TzMadeFolder, ZoneTabServesWhereZone1970TabIsMissing)
{
    write("zone.tab", "# comment\n\nNL\t+5222+00454\tEurope/Amsterdam\nIN\t+2232+08822\tAsia/Kolkata\n");
    EXPECT_EQ(catalogue(), (std::vector<std::string>{"Europe/Amsterdam", "Asia/Kolkata", "UTC"}));
    write("zone1970.tab", "BE,LU,NL\t+5050+00420\tEurope/Brussels\n");
    EXPECT_EQ(catalogue(), (std::vector<std::string>{"Europe/Brussels", "UTC"}));
}

TEST_F(TzMadeFolder, PlaceNamesTakeTheCountryAndTheCommentWhereTheCountryHasSeveralZones)
{
    write("iso3166.tab", "AQ\tAntarctica\nAR\tArgentina\nCH\tSwitzerland\nDE\tGermany\nJM\tJamaica\n");
    write("zone1970.tab", "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n"
                          "AR\t-3124-06411\tAmerica/Argentina/Cordoba\tmost areas\n"
                          "CH,DE,LI\t+4723+00832\tEurope/Zurich\tBüsingen\n"
                          "JM\t+175805-0764736\tAmerica/Jamaica\n"
                          "AQ\t-720041+0023206\tAntarctica/Troll\tTroll\n"
                          "AQ\t-6617+11031\tAntarctica/Casey\tCasey\n"
                          "XX\t+0000+00000\tMars/Olympus_Mons\n");
    TzDatabaseRegistry registry(dir_.path(), fixedAt(utcMs(2026, 7, 1)));
    const RegKey root = openOrZero(registry, reg::kHKeyLocalMachine, kCatalogue);
    const struct {
        const char* id;
        const char* display;
        const char* mapId;
    } cases[] = {
        {"America/Argentina/Buenos_Aires", "(UTC-03:00) Buenos Aires, Argentina - Buenos Aires (BA, CF)", "AR"},
        {"Europe/Zurich", "(UTC+01:00) Zurich, Switzerland", "CH,DE,LI"},
        {"America/Jamaica", "(UTC-05:00) Jamaica", "JM"},
        {"Antarctica/Troll", "(UTC+00:00) Troll, Antarctica", "AQ"},
    };
    for (const auto& c : cases) {
        const RegKey zone = openOrZero(registry, root, c.id);
        EXPECT_EQ(text(registry, zone, "Display"), c.display);
        EXPECT_EQ(text(registry, zone, "MapID"), c.mapId);
    }
    EXPECT_EQ(openOrZero(registry, root, "Mars/Olympus_Mons"), 0u) << "listed, but no zone the database knows";
}

} // namespace
