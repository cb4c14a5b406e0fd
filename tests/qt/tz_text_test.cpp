// The tz database's text files: parsed from their bytes, and read with a
// bound that refuses a runaway file instead of reading it whole.
#include "platform/qt/zones/tz_text.h"
#include "qt/tz_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hv;
using namespace hv::tzsupport;

TEST(TzText, ZoneRowsLeaveOutCommentsBlankAndShortLines)
{
    const auto rows = qt::parseZoneRows("# tz zone descriptions\r\n\r\n"
                                        "DE,DK\t+5230+01322\tEurope/Berlin\tmost of Germany\r\n"
                                        "XX\t+0000+00000\n"
                                        "   \n"
                                        "IN\t+2232+08822\tAsia/Kolkata");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, "Europe/Berlin");
    EXPECT_EQ(rows[0].codes, "DE,DK");
    EXPECT_EQ(rows[0].comment, "most of Germany");
    EXPECT_EQ(rows[1].id, "Asia/Kolkata") << "the last line needs no line end";
    EXPECT_EQ(rows[1].comment, "");
    EXPECT_TRUE(qt::parseZoneRows("").empty());
}

TEST(TzText, LinksAreTheLLinesOfTzdataZiAndCountriesTheirCodes)
{
    const auto links = qt::parseTzdataLinks("# version 2025b\n"
                                            "R u 1967 2006 - O lastSu 2 0 S\n"
                                            "Z Asia/Kolkata 5:53:28 - LMT 1854 Jun 28\n"
                                            "L Asia/Kolkata Asia/Calcutta\n"
                                            "L America/New_York US/Eastern\n"
                                            "L one two three\n");
    EXPECT_EQ(links.size(), 2);
    EXPECT_EQ(links.value("Asia/Calcutta"), "Asia/Kolkata");
    EXPECT_EQ(links.value("US/Eastern"), "America/New_York");

    const auto countries = qt::parseCountryNames("#code\tname\nDE\tGermany\nCI\tCôte d'Ivoire\nXX\n");
    EXPECT_EQ(countries.size(), 2);
    EXPECT_EQ(countries.value("CI"), QString::fromUtf8("Côte d'Ivoire"));
}

class TzTextFile : public TzMadeFolder {
protected:
    QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
};

TEST_F(TzTextFile, AFileOverTheBoundOrNoOrdinaryFileIsRefusedAndNamed)
{
    write("small.tab", "abc");
    EXPECT_EQ(qt::readTzText(path("small.tab"), 3), QByteArray("abc"));

    testing::internal::CaptureStderr();
    EXPECT_EQ(qt::readTzText(path("small.tab"), 2), std::nullopt);
    EXPECT_EQ(qt::readTzText(path("missing.tab")), std::nullopt);
    ASSERT_TRUE(QFile::link("/dev/zero", path("endless.tab")));
    EXPECT_EQ(qt::readTzText(path("endless.tab")), std::nullopt);
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_NE(said.find("small.tab is larger than 2 bytes"), std::string::npos) << said;
    EXPECT_NE(said.find("endless.tab is not an ordinary file"), std::string::npos) << said;
    EXPECT_EQ(said.find("missing.tab"), std::string::npos) << "a missing file is no fault: " << said;
}

// A damaged zone1970.tab (here a run of zero bytes past the bound) is
// refused like a missing one, so zone.tab serves.
TEST_F(TzTextFile, AnOversizedZone1970TabGivesWayToZoneTab)
{
    write("zone.tab", "IN\t+2232+08822\tAsia/Kolkata\n");
    write("zone1970.tab", "");
    QFile huge(path("zone1970.tab"));
    ASSERT_TRUE(huge.resize(qt::kMaxTzTextBytes + 1));

    testing::internal::CaptureStderr();
    const std::vector<std::string> keys = keysOf(zones());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(keys, (std::vector<std::string>{"Asia/Kolkata", "UTC"}));
    EXPECT_NE(said.find("zone1970.tab is larger than"), std::string::npos) << said;
}

} // namespace
