// The program as a native Wayland client, under weston's headless backend
// with a keyboard of the test's own (weston_keyboard_module.cpp), and a
// private session bus with a stand-in screen saver: it opens into the clock,
// full screen, holds the idle inhibition, hides its hint when hide is
// typed on the compositor's keyboard, and Esc closes the clock and brings
// the options back.
#include "desktop_bus/private_bus.h"
#include "desktop_bus/stand_ins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

namespace {

using hv::test::PrivateBus;
using hv::test::ScreenSaverStandIn;

// Linux input codes of the keys the test types.
constexpr int kKeyEsc = 1;
constexpr int kKeyH = 35;
constexpr int kKeyI = 23;
constexpr int kKeyD = 32;
constexpr int kKeyE = 18;
constexpr int kOutputWidth = 1280;
constexpr int kOutputHeight = 800;
constexpr int kWaitMs = 20000;

class WaylandSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString weston = QStandardPaths::findExecutable("weston");
        if (weston.isEmpty())
            GTEST_SKIP() << "weston is not installed (Debian package weston)";
        if (!QFile::exists(HORAVISTA_WESTON_MODULE))
            GTEST_SKIP() << "the weston keyboard module was not built (Debian package libweston-10-dev)";
        if (bus_.address().isEmpty())
            GTEST_SKIP() << bus_.why().toStdString();
        ASSERT_TRUE(folder_.isValid());
        ASSERT_EQ(chmod(runtimeDir().toLocal8Bit().constData(), 0700), 0);
        ASSERT_EQ(mkfifo(commands().toLocal8Bit().constData(), 0600), 0);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtimeDir());
        env.insert("HORAVISTA_WESTON_COMMANDS", commands());
        weston_.setProcessEnvironment(env);
        // Drawn with pixman, and open to weston-screenshooter (--debug).
        weston_.start(weston,
            {"--no-config", "--debug", "--use-pixman", "--backend=headless-backend.so", "--socket=" + kSocket,
                QString("--width=%1").arg(kOutputWidth), QString("--height=%1").arg(kOutputHeight),
                "--modules=" + QString(HORAVISTA_WESTON_MODULE)});
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return line("ready") && QFile::exists(runtimeDir() + "/" + kSocket); }, kWaitMs))
            << weston_.readAllStandardError().toStdString();
    }

    void TearDown() override
    {
        for (QProcess* process : {&program_, &weston_}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    // Starts the program on the compositor with these options stored.
    void startProgram(const QByteArray& options)
    {
        QDir(folder_.path()).mkpath("config/Quellmark");
        QFile ini(folder_.filePath("config/Quellmark/Horavista.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Horavista]\n" + options);
        ini.close();
        QProcessEnvironment env = compositorClient();
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("XDG_CONFIG_HOME", folder_.filePath("config"));
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus_.address());
        program_.setProcessEnvironment(env);
        program_.setProcessChannelMode(QProcess::ForwardedChannels);
        program_.start(HORAVISTA_PROGRAM, {});
        ASSERT_TRUE(program_.waitForStarted(kWaitMs));
    }

    // Sends one command to the compositor's keyboard module.
    void command(const QByteArray& text)
    {
        QFile pipe(commands());
        ASSERT_TRUE(pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        pipe.write(text + "\n");
    }
    // The surface that has the keyboard, as "X Y WIDTH HEIGHT", once done
    // holds for it (or the last answer, when it never does).
    QString focusOnce(const std::function<bool(const QString&)>& done)
    {
        QString last;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                command("focus");
                static_cast<void>(QTest::qWaitFor([&] { return line("focus "); }, 1000));
                last = lastFocus_;
                return done(last);
            },
            kWaitMs));
        return last;
    }

    // Whether the hint's box in the top-left corner of the screen shows
    // any of its white text, once that is the answer wanted.
    bool hintShows(bool wanted)
    {
        bool shows = !wanted;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                QDir shots(folder_.filePath("shots"));
                shots.removeRecursively();
                shots.mkpath(".");
                QProcess screenshooter;
                screenshooter.setWorkingDirectory(shots.path());
                screenshooter.setProcessEnvironment(compositorClient());
                screenshooter.start("weston-screenshooter", {});
                screenshooter.waitForFinished(kWaitMs);
                const QStringList files = shots.entryList({"*.png"});
                if (files.isEmpty())
                    return false;
                const QImage screen(shots.filePath(files.first()));
                shows = false;
                for (int y = 8; y < 8 + 33 && !shows; ++y)
                    for (int x = 8; x < 8 + 281 && !shows; ++x)
                        shows = screen.pixel(x, y) == qRgb(255, 255, 255);
                return shows == wanted;
            },
            kWaitMs));
        return shows;
    }

    // What a client of the compositor needs to find it.
    QProcessEnvironment compositorClient() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.insert("WAYLAND_DISPLAY", kSocket);
        env.insert("XDG_RUNTIME_DIR", runtimeDir());
        return env;
    }

    // True once weston has printed a line starting with prefix (and, for
    // "focus ", remembers its answer).
    bool line(const QString& prefix)
    {
        output_ += QString::fromUtf8(weston_.readAllStandardOutput());
        for (qsizetype end; (end = output_.indexOf('\n')) >= 0;) {
            const QString got = output_.left(end);
            output_.remove(0, end + 1);
            if (got.startsWith(prefix)) {
                if (prefix == "focus ")
                    lastFocus_ = got.mid(prefix.size());
                return true;
            }
        }
        return false;
    }

    QString runtimeDir() const { return folder_.path(); }
    QString commands() const { return folder_.filePath("keyboard"); }

    inline static const QString kSocket = QStringLiteral("horavista-test");
    PrivateBus bus_;
    QTemporaryDir folder_;
    QProcess weston_;
    QProcess program_;
    QString output_;
    QString lastFocus_;
};

TEST_F(WaylandSession, OpensIntoTheClockAndClosesWithEsc)
{
    const QDBusConnection services = QDBusConnection::connectToBus(bus_.address(), "stand-ins");
    ScreenSaverStandIn saver(services);
    startProgram("Windows%20Startup=On\n");

    const QString fullScreen = QString("0 0 %1 %2").arg(kOutputWidth).arg(kOutputHeight);
    EXPECT_EQ(focusOnce([&](const QString& focus) { return focus == fullScreen; }), fullScreen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !saver.log.isEmpty(); }, kWaitMs));
    EXPECT_TRUE(saver.log[0].startsWith("Inhibit Horavista")) << saver.log[0].toStdString();

    // The word hide, typed on the compositor's keyboard, hides the hint.
    EXPECT_TRUE(hintShows(true));
    for (int key : {kKeyH, kKeyI, kKeyD, kKeyE})
        command(QByteArray::number(key).prepend("key "));
    EXPECT_FALSE(hintShows(false));

    command(QByteArray::number(kKeyEsc).prepend("key "));
    EXPECT_TRUE(QTest::qWaitFor([&] { return saver.log.size() == 2; }, kWaitMs));
    EXPECT_EQ(saver.log.value(1), "UnInhibit 41");
    // The options window, back in front at its own size.
    const QStringList options
        = focusOnce([&](const QString& focus) { return focus != fullScreen && focus.count(' ') == 3; }).split(' ');
    ASSERT_EQ(options.size(), 4);
    EXPECT_LT(options[2].toInt(), kOutputWidth);
    EXPECT_GT(options[2].toInt(), 0);
    EXPECT_EQ(program_.state(), QProcess::Running);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
