// Zone files are checked before Qt reads them: Qt trusts a TZif file's
// counts and crashes on a damaged one, so every zone id the program hands
// to QTimeZone is checked first and a damaged zone is left out.
#include "platform/qt/zones/zone_file_check.h"
#include "platform/qt/zones/zone_time_of_day.h"
#include "qt/tz_test_support.h"
#include "qt/tzif_writer.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hv;
using namespace hv::tzsupport;

TEST(TzifCheck, EveryFileOfTheSystemsDatabaseHoldsTogether)
{
    int checked = 0;
    for (QDirIterator it(qt::kQtZoneFolder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (!bytes.startsWith("TZif"))
            continue;
        EXPECT_EQ(qt::tzifFault(bytes), "") << file.fileName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 400) << "the right/ files with their leap seconds among them";
}

TEST(TzifCheck, NamesWhatIsWrongWithADamagedFile)
{
    TzifBlock noAbbreviations;
    noAbbreviations.abbreviations.clear();
    TzifBlock noTypes;
    noTypes.types.clear();
    TzifBlock strayTransition;
    strayTransition.typeIndices = {1};
    TzifBlock strayAbbreviation;
    strayAbbreviation.types[0].abbreviation = 4;
    TzifBlock unended;
    unended.abbreviations = "EST";
    TzifBlock runaway;
    runaway.timeCount = 0xFFFFFFFF;
    QByteArray version1 = tzifBlock({}, '\0', 4);
    QByteArray noMagic = tzifFile();
    noMagic[0] = 'X';
    QByteArray unknownIndicators = tzifFile();
    unknownIndicators[23] = 3; // UT indicators for three types, of one

    const struct {
        const char* what;
        QByteArray bytes;
        std::string fault;
    } cases[] = {
        {"sound", tzifFile(), ""},
        {"version 1", version1, ""},
        {"empty", QByteArray(), "shorter than its header"},
        {"no magic", noMagic, "no TZif magic"},
        {"no abbreviations", tzifFile(noAbbreviations, noAbbreviations), "no abbreviations"},
        {"no types", tzifFile(noTypes, noTypes), "no local time types"},
        {"stray transition", tzifFile(strayTransition), "a transition to a type that does not exist"},
        {"stray abbreviation", tzifFile(strayAbbreviation), "an abbreviation index past the abbreviations"},
        {"unended abbreviation", tzifFile(unended), "abbreviations not ended by NUL"},
        {"runaway count", tzifFile(runaway), "counts that run past the end of the file"},
        {"indicators", unknownIndicators, "indicator counts that do not match the types"},
        {"second block", tzifFile({}, noAbbreviations), "second block: no abbreviations"},
        {"second block missing", version1.replace(4, 1, "2"), "second block: shorter than its header"},
        {"no footer", tzifFile({}, {}, ""), "no footer"},
        {"unended footer", tzifFile({}, {}, "\nEST5"), "no footer"},
        {"no rule after the last transition", tzifFile({}, {}, "\n\n"), ""},
        {"rule", tzifFile({}, {}, "\nCET-1CEST,M3.5.0,M10.5.0/3\n"), ""},
        {"rule with odd hours", tzifFile({}, {}, "\n<-02>2<-01>,M3.5.0/-1,M10.5.0/0\n"), ""},
        {"rule in Julian days", tzifFile({}, {}, "\nAAA3BBB,J60/26,300\n"), ""},
        // Qt counts days for ever looking for the fourteenth month.
        {"month 14", tzifFile({}, {}, "\nCET-1CEST,M3.5.0,M14.5.0/3\n"), "a footer that is no TZ rule"},
        {"week 6", tzifFile({}, {}, "\nCET-1CEST,M3.6.0,M10.5.0\n"), "a footer that is no TZ rule"},
        {"day 366", tzifFile({}, {}, "\nCET-1CEST,J366,M10.5.0\n"), "a footer that is no TZ rule"},
        {"one change-over", tzifFile({}, {}, "\nCET-1CEST,M3.5.0\n"), "a footer that is no TZ rule"},
        {"short name", tzifFile({}, {}, "\nC-1\n"), "a footer that is no TZ rule"},
        {"offset past a day", tzifFile({}, {}, "\nCET-25\n"), "a footer that is no TZ rule"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qt::tzifFault(c.bytes), c.fault) << c.what;
}

TEST(TzifCheck, EveryCutOfARealFileIsDamaged)
{
    QFile file(QString(qt::kQtZoneFolder) + "/Europe/Berlin");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (qsizetype size = 0; size < bytes.size(); ++size)
        ASSERT_NE(qt::tzifFault(bytes.first(size)), "") << size << " of " << bytes.size() << " bytes";
}

// A folder that stands for Qt's own, holding a damaged copy of a zone.
class DamagedZone : public TzMadeFolder {
protected:
    void SetUp() override
    {
        TzifBlock noAbbreviations;
        noAbbreviations.abbreviations.clear();
        write("Europe/Berlin", tzifFile(noAbbreviations, noAbbreviations));
        QFile real(QString(qt::kQtZoneFolder) + "/Asia/Kolkata");
        ASSERT_TRUE(real.open(QIODevice::ReadOnly));
        write("Asia/Kolkata", real.readAll());
    }
    // An id under which Qt, which reads only its own folder, reads the
    // damaged file: the crash the check prevents, were it missing.
    QByteArray reachingTheDamagedFile() const
    {
        return QDir(qt::kQtZoneFolder).relativeFilePath(QDir(dir_.path()).filePath("Europe/Berlin")).toUtf8();
    }
};

TEST_F(DamagedZone, IsLeftToNobodyAndNamedOnce)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(qt::checkedZone("Europe/Berlin", dir_.path()).isValid());
    EXPECT_FALSE(qt::checkedZone("Europe/Berlin", dir_.path()).isValid());
    EXPECT_TRUE(qt::checkedZone("Asia/Kolkata", dir_.path()).isValid());
    EXPECT_FALSE(qt::checkedZone("", dir_.path()).isValid()) << "an empty id is no zone";
    const std::string said = testing::internal::GetCapturedStderr();

    const std::string line = "the zone file " + dir_.path().toStdString()
        + "/Europe/Berlin is damaged (no abbreviations); the zone Europe/Berlin is not used\n";
    EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find(line), said.rfind(line)) << "said once: " << said;
}

TEST_F(DamagedZone, IsLeftOutOfTheCatalogueAlsoWhenWorkedOutAhead)
{
    const QByteArray id = reachingTheDamagedFile();
    write("zone1970.tab", "DE\t+5230+01322\t" + id + "\nIN\t+2232+08822\tAsia/Kolkata\n");
    testing::internal::CaptureStderr();
    for (const bool ahead : {false, true}) {
        qt::TzZoneCatalogue catalogue(dir_.path(), fixedAt(utcMs(2026, 7, 1)));
        if (ahead)
            catalogue.prefetch();
        EXPECT_EQ(keysOf(catalogue.zones()), (std::vector<std::string>{"Asia/Kolkata", "UTC"})) << ahead;
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Europe/Berlin is damaged (no abbreviations)"), std::string::npos) << said;
}

TEST_F(DamagedZone, GivesTheClockTheComputersOwnTime)
{
    qt::ZoneTimeOfDay clock(fixedAt(utcMs(2026, 7, 1, 12, 0)));
    const SystemZone kathmandu("Asia/Kathmandu");
    testing::internal::CaptureStderr();
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(reachingTheDamagedFile().toStdString()), (17 * 60 + 45) * 60.0);
    testing::internal::GetCapturedStderr();
}

TEST_F(DamagedZone, AsTheComputersZoneCountsAsUnknown)
{
    const SystemZone damaged(reachingTheDamagedFile());
    testing::internal::CaptureStderr();
    qt::TzZoneCatalogue zones({}, fixedAt(utcMs(2026, 7, 1, 12, 0)));
    EXPECT_EQ(zones.ownStandardBias(), 0);
    EXPECT_EQ(zones.ownZoneKey(), reachingTheDamagedFile().toStdString());
    EXPECT_FALSE(qt::checkedSystemZone().isValid());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("is damaged"), std::string::npos) << said;
}

} // namespace
