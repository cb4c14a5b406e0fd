// Files beside the program that are not what they say: a pipe, a device,
// a huge or damaged file in place of the cursor or the skin. Each is
// refused at once with the run-time error the load reports; none may hang
// the program or fill its memory.
#include "file_test_support.h"
#include "platform/qt/windows/qt_cursor.h"
#include "platform/qt/windows/qt_skin.h"
#include "platform/qt/storage/small_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace hv;
using namespace std::chrono_literals;
using qt::SmallFile;
using test::cursorFile;
using test::errorNumber;

// Writes into a pipe the moment a reader opens it, then closes it. A
// reader that waits for a writer, as an unguarded open does, is thereby let
// go at once and reads these bytes, so a test of such a reader fails
// instead of hanging.
class PipeFeeder {
public:
    PipeFeeder(const QString& path, QByteArray bytes)
        : thread_([this, name = QFile::encodeName(path), bytes] { feed(name, bytes); })
    {
    }
    PipeFeeder(const PipeFeeder&) = delete;
    PipeFeeder& operator=(const PipeFeeder&) = delete;
    ~PipeFeeder()
    {
        stop_ = true;
        thread_.join();
    }

private:
    void feed(const QByteArray& name, const QByteArray& bytes)
    {
        // A reader that has gone makes a write raise SIGPIPE.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        for (const auto giveUp = std::chrono::steady_clock::now() + 5s;
             !stop_ && std::chrono::steady_clock::now() < giveUp; std::this_thread::sleep_for(1ms)) {
            // Without a reader this open fails at once rather than waiting.
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                [[maybe_unused]] const auto written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
                ::close(fd);
                return;
            }
        }
    }

    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

class OddFiles : public ::testing::Test {
protected:
    void TearDown() override
    {
        qApp->setStyleSheet({});
        QDir::setSearchPaths("skin", {});
    }

    QString write(const char* name, const QByteArray& bytes) const
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // Sparse: it takes no room on the disk.
    QString huge(const char* name, const QByteArray& start) const
    {
        const QString path = write(name, start);
        EXPECT_TRUE(QFile::resize(path, 100 << 20));
        return path;
    }
    QString link(const char* name, const QString& target) const
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(QFile::link(target, path));
        return path;
    }
    QString pipe(const char* name) const
    {
        const QString path = dir_.filePath(name);
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(OddFiles, ASmallRegularFileIsReadWholeAlsoThroughALink)
{
    const QString path = write("small", "0123456789");
    for (const QString& p : {path, link("link", path)}) {
        const SmallFile file = qt::readSmallFile(p, 10);
        EXPECT_EQ(file.refusal, SmallFile::Refusal::None);
        EXPECT_EQ(file.bytes, "0123456789");
    }
    EXPECT_EQ(qt::readSmallFile(path, 9).refusal, SmallFile::Refusal::TooLarge);
    EXPECT_EQ(qt::readSmallFile(huge("huge", {}), 1 << 20).refusal, SmallFile::Refusal::TooLarge);
    // A file under /proc says it is empty; the limit holds for what it holds.
    EXPECT_EQ(qt::readSmallFile("/proc/self/status", 16).refusal, SmallFile::Refusal::TooLarge);
}

TEST_F(OddFiles, WhatIsNoRegularFileIsRefusedWithoutWaitingForIt)
{
    const QString fifo = pipe("fifo");
    const PipeFeeder feeder(fifo, "0123456789");
    EXPECT_EQ(qt::readSmallFile(fifo, 1 << 20).refusal, SmallFile::Refusal::NotRegular);
    EXPECT_EQ(qt::readSmallFile(link("null", "/dev/null"), 1 << 20).refusal, SmallFile::Refusal::NotRegular);
    EXPECT_EQ(qt::readSmallFile(dir_.path(), 1 << 20).refusal, SmallFile::Refusal::NotRegular);
    EXPECT_EQ(qt::readSmallFile(dir_.filePath("missing"), 1 << 20).refusal, SmallFile::Refusal::CannotOpen);
    EXPECT_EQ(
        qt::readSmallFile(link("dangling", dir_.filePath("missing")), 1 << 20).refusal, SmallFile::Refusal::CannotOpen);
}

TEST_F(OddFiles, ACursorFileMustBeAModestRegularFile)
{
    const auto read = [](const QString& path) { return errorNumber([&] { qt::readCursorFile(path.toStdString()); }); };
    const QString cursor = write("HAND-M.CUR", cursorFile(3, 5));
    EXPECT_EQ(qt::readCursorFile(link("linked.cur", cursor).toStdString()).hotSpot(), QPoint(3, 5));

    const QString fifo = pipe("fifo.cur");
    const PipeFeeder feeder(fifo, cursorFile(3, 5));
    EXPECT_EQ(read(fifo), 75);
    EXPECT_EQ(read(link("null.cur", "/dev/null")), 75);
    // The image at its start would read, but no cursor is a hundred megabytes.
    EXPECT_EQ(read(huge("huge.cur", cursorFile(3, 5))), 481);
}

TEST_F(OddFiles, ASkinMustBeAModestTextFileThatQtCanParse)
{
    qt::QtSkinFramework skin;
    const auto load = [&](const QString& path) { return errorNumber([&] { skin.loadSkin(path.toStdString(), ""); }); };
    const QByteArray sheet = "QPushButton { color: #123456; }";
    ASSERT_EQ(load(write("o.cjs", sheet)), 0);
    skin.setAutoApplyNewWindows(true);
    EXPECT_EQ(qApp->styleSheet().toStdString(), sheet.toStdString());
    EXPECT_EQ(load(HORAVISTA_SOURCE_DIR "/skins/sample/x/o.cjs"), 0);
    ASSERT_EQ(load(write("o.cjs", sheet)), 0);

    const QString fifo = pipe("fifo.cjs");
    const PipeFeeder feeder(fifo, "QCheckBox { color: red; }");
    EXPECT_EQ(load(fifo), 75);
    const QString image = pipe("pipe.png");
    const PipeFeeder imageFeeder(image, "\x89PNG");
    EXPECT_EQ(load(write("image.cjs", "QWidget { background-image: url(skin:pipe.png); }")), 75);
    EXPECT_EQ(load(huge("huge.cjs", "QCheckBox { color: red; }")), 321);
    EXPECT_EQ(load(write("garbage.cjs", "QCheckBox { color: red; } }{ \x89PNG\r\n")), 321);
    EXPECT_EQ(load(write("unclosed.cjs", "QCheckBox { color: red;")), 321);
    // Binary files that Qt's parser lets pass.
    EXPECT_EQ(load(write("program.cjs",
                  QByteArray("\x7f"
                             "ELF\x02\x01\x01\0\0\0",
                      10))),
        321);
    EXPECT_EQ(load(write("controls.cjs", "\x01\x02 binary \xff")), 321);
    EXPECT_EQ(qApp->styleSheet().toStdString(), sheet.toStdString()); // a refused skin leaves the one before
}

// Recorded by the handler the program had before a skin was checked.
std::vector<QString> logged;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& message) { logged.push_back(message); }

TEST_F(OddFiles, CheckingASkinLeavesTheProgramsLoggingAsItWas)
{
    const QtMessageHandler before = qInstallMessageHandler(recordMessage);
    qt::QtSkinFramework skin;
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(write("o.cjs", "}{").toStdString(), ""); }), 321);
    qWarning("after the check");
    qInstallMessageHandler(before);
    EXPECT_EQ(logged, std::vector<QString>{"after the check"});
}

} // namespace
