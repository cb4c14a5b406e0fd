// The render tool as a user runs it: what it says when it cannot draw
// names the cause and where it lies, and it always ends with a status of
// its own, never with an error nobody caught.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    bool exited = false; // on its own, not by a signal
    int status = -1;
    QString errors;
};

class RenderTool : public ::testing::Test {
protected:
    Outcome run(const QStringList& arguments, const QString& tzDir = {}) const
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
        tool.start(HORAVISTA_RENDER, arguments);
        tool.waitForFinished(60'000);
        return {tool.exitStatus() == QProcess::NormalExit, tool.exitCode(),
                QString::fromUtf8(tool.readAllStandardError())};
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

    for (const QStringList& arguments : {QStringList{"--list-zones"},
                                         QStringList{"--size", "100x100", "--ops", "--zone", "Europe/Berlin"}}) {
        const Outcome outcome = run(arguments, tzDir);
        // A list that keeps what it can index is no failure; one that
        // cannot be read says so.
        ASSERT_TRUE(outcome.exited) << outcome.errors.toStdString();
        EXPECT_TRUE(outcome.status == 0 || (outcome.status == 1 && outcome.errors.contains("time-zone list")))
            << outcome.status << ": " << outcome.errors.toStdString();
    }
}

} // namespace
