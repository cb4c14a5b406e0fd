// The render tool as a user runs it: what it says when it cannot draw
// names the cause and where it lies, and it always ends with a status of
// its own, never with an error nobody caught.
#include "horavista_version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome {
    bool exited = false; // on its own, not by a signal
    int status = -1;
    QString errors;
    QString output;
};

class RenderTool : public ::testing::Test {
protected:
    // The tool's standard output goes to output when one is given.
    Outcome run(const QStringList& arguments, const QString& tzDir = {}, const QString& output = {}) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home_.path());
        environment.insert("XDG_CONFIG_HOME", home_.filePath(".config"));
        environment.insert("XDG_RUNTIME_DIR", home_.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        if (!tzDir.isEmpty())
            environment.insert("TZDIR", tzDir);
        QProcess tool;
        tool.setProcessEnvironment(environment);
        if (!output.isEmpty())
            tool.setStandardOutputFile(output);
        tool.start(HORAVISTA_RENDER, arguments);
        tool.waitForFinished(60'000);
        return {tool.exitStatus() == QProcess::NormalExit, tool.exitCode(),
            QString::fromUtf8(tool.readAllStandardError()), QString::fromUtf8(tool.readAllStandardOutput())};
    }

    void store(const QString& key, const QString& value) const
    {
        QSettings file(home_.filePath(".config/Quellmark/Horavista.ini"), QSettings::IniFormat);
        file.setValue("Horavista/" + key, value);
    }

    QTemporaryDir home_;
};

TEST_F(RenderTool, NamesTheColourThatIsNoneAndWhereItCameFrom)
{
    // The stored value, what the command line adds, and what is said.
    struct Case {
        QString key, stored;
        QStringList arguments;
        QString message;
    };
    const Case cases[] = {
        {"Clock Color", "abc", {}, R"(Clock Color = "abc" in ~/.config/Quellmark/Horavista.ini: Type mismatch)"},
        {"Background Color", "16777216", {},
            R"(Background Color = "16777216" in ~/.config/Quellmark/Horavista.ini: Invalid property value)"},
        {"Clock Color", "255", {"--clock-color", "abc"}, R"(--clock-color "abc": Type mismatch)"},
    };
    for (const auto& c : cases) {
        store(c.key, c.stored);
        const Outcome outcome = run(QStringList{"--size", "100x100", "--ops"} + c.arguments);
        EXPECT_TRUE(outcome.exited);
        EXPECT_EQ(outcome.status, 1) << c.key.toStdString();
        EXPECT_TRUE(outcome.errors.contains("horavista-render: " + c.message + '\n')) << outcome.errors.toStdString();
        store(c.key, "0");
    }
}

TEST_F(RenderTool, RefusesAnImageOfMoreThanAGigabyte)
{
    const Outcome outcome = run({"--size", "16000x16000", "--ops"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_TRUE(outcome.errors.contains(
        "--size 16000x16000 would need an image of 1024 MB; the clock draws into images of 1000 MB at the most"))
        << outcome.errors.toStdString();
    EXPECT_EQ(run({"--size", "100x100", "--ops"}).status, 0);
}

TEST_F(RenderTool, NamesTheFirstArgumentItDoesNotTakeAndEndsWith2)
{
    const QStringList draw{"--size", "10x10", "--ops"};
    const std::pair<QStringList, QString> cases[] = {
        {{}, "--size is required"},
        {{"--size"}, "--size needs a value"},
        {draw + QStringList{"--time"}, "--time needs a value"},
        {draw + QStringList{"--bogus"}, "unknown argument --bogus"},
        {QStringList{"--bogus"} + draw, "unknown argument --bogus"},
        {draw + QStringList{"-x"}, "unknown argument -x"},
        {draw + QStringList{"-hx"}, "unknown argument -hx"},
        {draw + QStringList{"foo"}, "unknown argument foo"},
        {{"--size", "10x10", "--ops=1"}, "unknown argument --ops=1"},
        {{"--size", "0x10", "--ops"}, "--size takes WIDTHxHEIGHT in pixels, each 1 to 16384, as 1920x1080"},
        {{"--size", "99999x1", "--size", "10x10", "--ops"},
            "--size takes WIDTHxHEIGHT in pixels, each 1 to 16384, as 1920x1080"},
        {draw + QStringList{"--time", "24:00:00"}, "--time takes HH:MM:SS or HH:MM:SS.fff"},
        {draw + QStringList{"--time", "00:00:nan"}, "--time takes HH:MM:SS or HH:MM:SS.fff"},
        {draw + QStringList{"--time", "00:00:0x1p3"}, "--time takes HH:MM:SS or HH:MM:SS.fff"},
        {draw + QStringList{"--time", "00:00:1e1"}, "--time takes HH:MM:SS or HH:MM:SS.fff"},
        {draw + QStringList{"--at", "2026-02-30T00:00:00Z"}, "--at takes an instant in UTC as YYYY-MM-DDTHH:MM:SSZ"},
        {draw + QStringList{"--time", "01:00:00", "--zone", "UTC"},
            "--time is the time shown; it takes no --zone or --at"},
        {draw + QStringList{"--night", "22:00"}, "--night takes the night hours as HH:MM-HH:MM, as 22:00-06:00"},
        {draw + QStringList{"--night", "22:00-06:00", "--night-level", "4"},
            "--night-level takes a percentage from 5 to 100"},
        {draw + QStringList{"--night-level", "50"}, "--night-level is the level within the hours --night gives"},
        {{"--size", "10x10"}, "give one of --png FILE, --svg FILE or --ops"},
        {draw + QStringList{"--png", "f.png"}, "give one of --png FILE, --svg FILE or --ops"},
        {{"--size", "10x10", "--png", "f.png", "--svg", "f.svg"}, "give one of --png FILE, --svg FILE or --ops"},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(outcome.errors.startsWith("horavista-render: " + message + "\nusage: horavista-render --size WxH"))
            << outcome.errors.toStdString();
        EXPECT_TRUE(outcome.output.isEmpty()) << arguments.join(' ').toStdString();
    }
}

TEST_F(RenderTool, TakesTheLastOfARepeatedOptionAndShowsItsUsageOnRequest)
{
    const QStringList draw{"--size", "100x100", "--ops"};
    const Outcome once = run(draw + QStringList{"--time", "02:00:00"});
    ASSERT_EQ(once.status, 0);
    EXPECT_EQ(run(draw + QStringList{"--time", "01:00:00", "--time", "02:00:00"}).output, once.output);
    for (const QString help : {"-h", "--help"}) {
        const Outcome asked = run({help});
        EXPECT_EQ(asked.status, 0);
        EXPECT_TRUE(asked.output.startsWith("usage: horavista-render --size WxH")) << asked.output.toStdString();
        EXPECT_TRUE(asked.errors.isEmpty());
    }
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, QString("horavista-render %1\n").arg(hv::kVersion));
}

TEST_F(RenderTool, DimsInTheNightHoursAndMovesTheDialAtTheTimeGiven)
{
    const QStringList draw{"--size", "100x100", "--ops", "--clock-color", "16777215"};
    const QStringList night{"--night", "22:00-06:00", "--night-level", "50"};
    // Half of 255 is 127.5, rounded to even.
    EXPECT_TRUE(run(draw + night + QStringList{"--time", "23:30:00"}).output.contains("pen=8421504"));
    EXPECT_FALSE(run(draw + night + QStringList{"--time", "12:00:00"}).output.contains("pen=8421504"));
    // At midnight the dial stands 4 pixels up and left.
    EXPECT_TRUE(run(draw + QStringList{"--time", "00:00:30", "--screen-care"}).output.contains("circle 46 46 "));
}

TEST_F(RenderTool, DrawsTheSameFrameAsAScalablePicture)
{
    const QStringList frame{"--size", "240x160", "--time", "10:10:35", "--clock-color", "255", "--background", "0"};
    const QString png = home_.filePath("f.png"), svg = home_.filePath("f.svg");
    ASSERT_EQ(run(frame + QStringList{"--png", png}).status, 0);
    ASSERT_EQ(run(frame + QStringList{"--svg", svg}).status, 0);

    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("viewBox=\"0 0 240 160\""));
    EXPECT_FALSE(text.contains("<text")) << "numerals as outlines, whatever fonts a viewer has";
    QSvgRenderer renderer(text);
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(240, 160, QImage::Format_RGB32);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();

    // Both antialias their own way: the pixels must agree but for edges.
    const QImage expected = QImage(png).convertToFormat(QImage::Format_RGB32);
    int differing = 0, red = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor a = drawn.pixelColor(x, y), b = expected.pixelColor(x, y);
            differing
                += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 96;
            red += b.red() > 128;
        }
    EXPECT_GT(red, 500) << "the clock is drawn in its colour";
    EXPECT_LT(differing, red / 10);

    const Outcome unwritable = run(frame + QStringList{"--svg", home_.filePath("no/such/folder/f.svg")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.errors.startsWith("horavista-render: could not write")) << unwritable.errors.toStdString();
}

TEST_F(RenderTool, AWriteThatFailedEndsWith1AndNamesTheFile)
{
    for (const QStringList& arguments : {QStringList{"--size", "100x100", "--ops"}, QStringList{"--list-zones"}}) {
        const Outcome full = run(arguments, {}, "/dev/full");
        EXPECT_EQ(full.status, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(full.errors, "horavista-render: could not write the standard output: No space left on device\n");
    }

    // A link to a pipe that is read: neither written through nor replaced.
    const QString pipe = home_.filePath("pipe"), link = home_.filePath("f.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(pipe, link));
    const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const Outcome piped = run({"--size", "10x10", "--time", "01:00:00", "--png", link});
    char byte = 0;
    const auto read = ::read(reader, &byte, 1);
    close(reader);
    EXPECT_EQ(piped.status, 1);
    EXPECT_TRUE(piped.errors.startsWith("horavista-render: could not write " + link + ": "))
        << piped.errors.toStdString();
    EXPECT_LE(read, 0);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), pipe);
}

TEST_F(RenderTool, EndsWithAStatusWhenTheZoneListFails)
{
    // More zones than the list can index.
    const QString tzDir = home_.filePath("zoneinfo");
    QDir().mkpath(tzDir);
    QFile tab(tzDir + "/zone1970.tab");
    ASSERT_TRUE(tab.open(QIODevice::WriteOnly));
    for (int i = 0; i <= 32767; ++i)
        tab.write("DE\t+5230+01322\tEurope/Berlin\n");
    tab.close();

    for (const QStringList& arguments :
        {QStringList{"--list-zones"}, QStringList{"--size", "100x100", "--ops", "--zone", "Europe/Berlin"}}) {
        const Outcome outcome = run(arguments, tzDir);
        // A list that keeps what it can index is no failure; one that
        // cannot be read says so.
        ASSERT_TRUE(outcome.exited) << outcome.errors.toStdString();
        EXPECT_TRUE(outcome.status == 0 || (outcome.status == 1 && outcome.errors.contains("time-zone list")))
            << outcome.status << ": " << outcome.errors.toStdString();
    }
}

} // namespace
