// The options file as it lies on disk.
#include "platform/qt/session/autostart_entry.h"
#include "platform/qt/storage/qt_settings_store.h"
#include "shared/settings_keys.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using hv::qt::QtSettingsStore;
namespace keys = hv::settings;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = QtSettingsStore().fileName();
        QDir().mkpath(QFileInfo(path_).path());
        QFile::remove(path_);
    }
    void TearDown() override
    {
        QDir(path_).removeRecursively();
        QFile::remove(path_);
        for (const QString& copy : QDir(QFileInfo(path_).path()).entryList({"Horavista.ini.bak*"}, QDir::Files))
            QFile::remove(QFileInfo(path_).path() + '/' + copy);
    }

    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray contents() const { return contentsOf(path_); }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void setContents(const QByteArray& bytes) const { write(path_, bytes); }
    // Gives the file a modification time of its own, as a change made a
    // while later would.
    void touchLater(int seconds) const
    {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(seconds), QFileDevice::FileModificationTime);
    }

    QString path_;
};

TEST_F(SettingsFile, LivesInTheUsersConfigFolderUnderTheOrganisation)
{
    // The tests' config folder is their own: these tests delete the file.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(configHome.isEmpty()) << "the tests would work on the user's own options";
    EXPECT_TRUE(path_.endsWith("/Quellmark/Horavista.ini")) << path_.toStdString();
    EXPECT_TRUE(path_.startsWith(configHome + "/")) << path_.toStdString();
}

TEST_F(SettingsFile, KeepsTextValuesUnderTheProgramsGroupAndWritesThrough)
{
    {
        QtSettingsStore store;
        EXPECT_EQ(store.read(hv::settings::kClockColour), std::nullopt);
        store.write(hv::settings::kClockColour, "255");
        store.write(hv::settings::kWindowsStartup, "On");
        // On disk before the store goes away: the program can end at once.
        EXPECT_TRUE(contents().contains("[Horavista]"));
        EXPECT_TRUE(contents().contains("Clock%20Color=255"));
    }
    QtSettingsStore store;
    EXPECT_EQ(store.read(hv::settings::kClockColour), "255");
    EXPECT_EQ(store.read(hv::settings::kWindowsStartup), "On");
}

TEST_F(SettingsFile, GarbageIsReadAsTextAndLeftAsItWas)
{
    const QByteArray garbage = "\xff\xfe nonsense [[[\n[Horavista]\nCheck1=abc\nCheck4=a, b\nno equals sign here\n";
    setContents(garbage);
    QtSettingsStore store;
    EXPECT_EQ(store.read(hv::settings::kHideHint), "abc");
    EXPECT_EQ(store.read(hv::settings::kKeepAwake), "a, b");
    EXPECT_EQ(store.read(hv::settings::kClockColour), std::nullopt);
    EXPECT_EQ(contents(), garbage); // reading alone never rewrites the file
}

TEST_F(SettingsFile, WritingBackWhatIsStoredLeavesTheFileAlone)
{
    const QByteArray stored = "; kept as it is\n[Horavista]\nCheck4=1\nCombo1=3.0\n";
    setContents(stored);
    QtSettingsStore store;
    store.write(hv::settings::kKeepAwake, "1");
    EXPECT_EQ(contents(), stored);
    // The same number in another form is a change.
    store.write(hv::settings::kTimeZone, "3");
    EXPECT_TRUE(contents().contains("Combo1=3\n"));
}

TEST_F(SettingsFile, ReadsSeeTheFileAsItIsOnDisk)
{
    setContents("[Horavista]\nClock%20Color=255\n");
    QtSettingsStore store;
    EXPECT_EQ(store.read(keys::kClockColour), "255");
    // Saved by a second instance, or by the user by hand.
    setContents("[Horavista]\nClock%20Color=65280\n");
    EXPECT_EQ(store.read(keys::kClockColour), "65280");
    setContents("[Horavista]\nClock%20Color=65281\n");
    touchLater(5);
    EXPECT_EQ(store.read(keys::kClockColour), "65281") << "a change that keeps the size";
    ASSERT_TRUE(QFile::remove(path_));
    EXPECT_EQ(store.read(keys::kClockColour), std::nullopt);
    // A save goes over the file as it is now, not as the program last read it.
    setContents("[Horavista]\nCheck1=1\n");
    EXPECT_TRUE(store.write(keys::kKeepAwake, "0").saved());
    EXPECT_EQ(contents(), "[Horavista]\nCheck1=1\nCheck4=0\n");
}

TEST_F(SettingsFile, AFramesReadsSeeOneVersionAndTheNextFrameSeesAChange)
{
    setContents("[Horavista]\nClock%20Color=255\n");
    QtSettingsStore store;
    {
        const hv::SettingsStore::Batch frame(store);
        EXPECT_EQ(store.read(keys::kClockColour), "255");
        setContents("[Horavista]\nClock%20Color=65280\n");
        EXPECT_EQ(store.read(keys::kClockColour), "255");
        // A write in the frame is seen by the frame's later reads.
        EXPECT_TRUE(store.write(keys::kHideHint, "1").saved());
        EXPECT_EQ(store.read(keys::kClockColour), "65280");
        setContents("[Horavista]\nClock%20Color=16711680\n");
    }
    EXPECT_EQ(store.read(keys::kClockColour), "16711680");
}

TEST_F(SettingsFile, ASaveThatFailsSaysWhyKeepsTheValueForTheRunAndIsTriedAgain)
{
    ASSERT_TRUE(QDir().mkpath(path_ + "/in the way"));
    QtSettingsStore store;
    EXPECT_EQ(store.location(), path_.toStdString());
    EXPECT_EQ(store.write(keys::kClockColour, "255").failure, "a folder is in its place");
    EXPECT_EQ(store.read(keys::kClockColour), "255");
    EXPECT_FALSE(store.write(keys::kClockColour, "255").saved()) << "kept, but not saved";
    // Once the way is clear, the next save takes what was kept along.
    ASSERT_TRUE(QDir(path_).removeRecursively());
    EXPECT_TRUE(store.write(keys::kHideHint, "1").saved());
    EXPECT_TRUE(contents().contains("Clock%20Color=255\n"));
    EXPECT_TRUE(contents().contains("Check1=1\n"));
}

TEST_F(SettingsFile, AReadOnlyFileIsNotSaved)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    setContents("[Horavista]\nCheck4=1\n");
    ASSERT_TRUE(QFile::setPermissions(path_, QFile::ReadOwner));
    QtSettingsStore store;
    EXPECT_EQ(store.write(keys::kKeepAwake, "0").failure, "Permission denied");
    EXPECT_EQ(contents(), "[Horavista]\nCheck4=1\n");
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
}

// Qt remembers the first error it met for good; a line it could not read
// at start must not make every later save look failed.
TEST_F(SettingsFile, AnUnreadableLineMetEarlierDoesNotMakeLaterSavesFail)
{
    setContents("[Horavista]\nno equals sign here\nCheck4=0\n");
    QtSettingsStore store;
    EXPECT_EQ(store.read(keys::kKeepAwake), "0");
    const auto first = store.write(keys::kKeepAwake, "1");
    EXPECT_TRUE(first.saved()) << first.failure;
    EXPECT_TRUE(store.write(keys::kHideHint, "1").saved());
    EXPECT_EQ(contents(), "[Horavista]\nCheck1=1\nCheck4=1\n");
}

// A stray quote makes Qt read the rest of the file as one value; the file
// as it was is kept before the first save writes that back.
TEST_F(SettingsFile, ADamagedFileIsKeptAsItWasBeforeTheFirstSave)
{
    const QByteArray damaged = "[Horavista]\nCheck1=\"\nCheck4=0\nCombo1=5\nClock%20Color=255\n";
    setContents(damaged);
    QtSettingsStore store;
    EXPECT_EQ(store.read(keys::kKeepAwake), std::nullopt);
    const auto result = store.write(keys::kKeepAwake, "1");
    EXPECT_TRUE(result.saved()) << result.failure;
    EXPECT_EQ(result.damagedCopy, (path_ + ".bak").toStdString());
    EXPECT_EQ(contentsOf(path_ + ".bak"), damaged);
    // The file is whole again: later saves keep no more copies.
    EXPECT_EQ(store.write(keys::kTimeZone, "7").damagedCopy, "");
    EXPECT_FALSE(QFile::exists(path_ + ".bak.1"));
}

TEST_F(SettingsFile, ADamagedFileThatCannotBeKeptIsNotWrittenOver)
{
    const QByteArray damaged = "[Horavista]\nCheck1=\"\nCheck4=0\n";
    setContents(damaged);
    write(path_ + ".bak", "an earlier copy\n");
    for (int n = 1; n <= 9; ++n)
        write(path_ + ".bak." + QString::number(n), "an earlier copy\n");
    QtSettingsStore store;
    const auto result = store.write(keys::kKeepAwake, "1");
    EXPECT_FALSE(result.saved());
    EXPECT_EQ(contents(), damaged);
    EXPECT_EQ(store.read(keys::kKeepAwake), "1") << "held until the program closes";
}

TEST_F(SettingsFile, WhatIsNoRegularFileIsNeverWrittenNorReplaced)
{
    // A device of its own where root may make one: the test must not risk
    // the system's.
    const QString device = path_ + ".device";
    const QByteArray deviceName = QFile::encodeName(device);
    const bool made = ::mknod(deviceName.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    ASSERT_TRUE(QFile::link(made ? device : "/dev/null", path_));
    QtSettingsStore store;
    EXPECT_EQ(store.write(keys::kClockColour, "255").failure, "it is a link to a character device, not a regular file");
    EXPECT_EQ(store.read(keys::kClockColour), "255");
    struct stat info {};
    EXPECT_EQ(::stat(made ? deviceName.constData() : "/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_TRUE(QFileInfo(path_).isSymLink());
    QFile::remove(path_);
    QFile::remove(device);

    // A pipe is neither read nor written, and nothing waits for it.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    QtSettingsStore piped;
    EXPECT_EQ(piped.read(keys::kClockColour), std::nullopt);
    EXPECT_EQ(piped.write(keys::kClockColour, "255").failure, "it is a pipe, not a regular file");

    // A link to a regular file is saved through, and stays a link.
    QFile::remove(path_);
    setContents("");
    ASSERT_TRUE(QFile::rename(path_, path_ + ".target"));
    ASSERT_TRUE(QFile::link(path_ + ".target", path_));
    EXPECT_TRUE(QtSettingsStore().write(keys::kClockColour, "255").saved());
    EXPECT_TRUE(QFileInfo(path_).isSymLink());
    EXPECT_EQ(contentsOf(path_ + ".target"), "[Horavista]\nClock%20Color=255\n");
    QFile::remove(path_ + ".target");
}

// Qt's own lock would wait for good: for a lock that is no file, or one
// left by another user that cannot be removed.
TEST_F(SettingsFile, ALockFileThatCannotBeTakenFailsTheSaveWithinSeconds)
{
    const QString lock = path_ + ".lock";
    ASSERT_TRUE(QDir().mkpath(lock));
    QtSettingsStore store;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(store.write(keys::kClockColour, "255").failure,
        ("its lock file " + lock + " is a folder, not a regular file").toStdString());
    ASSERT_TRUE(QDir(lock).removeRecursively());
    ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    EXPECT_FALSE(store.write(keys::kHideHint, "1").saved());
    EXPECT_LT(timer.elapsed(), 4000);
    EXPECT_EQ(store.read(keys::kClockColour), "255");
    EXPECT_FALSE(QFile::exists(path_));
    QFile::remove(lock);
}

class SettingsFolder : public ::testing::Test {
protected:
    SettingsFolder()
    {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
            saved_[name] = qgetenv(name);
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    ~SettingsFolder() override
    {
        for (const auto& [name, value] : saved_)
            qputenv(name, value);
    }

    std::map<const char*, QByteArray> saved_;
    QTemporaryDir home_;
};

// The log-in entry follows the same rule: both stay in one folder.
TEST_F(SettingsFolder, ARelativeConfigHomeIsIgnored)
{
    qputenv("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(QtSettingsStore().fileName(), home_.path() + "/.config/Quellmark/Horavista.ini");
}

TEST_F(SettingsFolder, AConfigHomeThatIsNotUtf8IsRefusedNotMangled)
{
    const QByteArray folder = QFile::encodeName(home_.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    qputenv("XDG_CONFIG_HOME", folder);
    QtSettingsStore store;
    EXPECT_EQ(store.write(keys::kClockColour, "255").failure, "the path of its folder is not valid UTF-8");
    EXPECT_EQ(store.read(keys::kClockColour), "255");
    EXPECT_FALSE(QFileInfo::exists(QFile::decodeName(folder))) << "no folder by the mangled name";
    EXPECT_EQ(hv::qt::AutostartEntry::folder(), std::nullopt);
    ::rmdir(folder.constData());
}

} // namespace
