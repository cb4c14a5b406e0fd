// The options file as it lies on disk.
#include "app/settings_keys.h"
#include "platform/qt/qt_settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <gtest/gtest.h>

namespace {

using hv::qt::QtSettingsStore;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = QtSettingsStore().fileName();
        QDir().mkpath(QFileInfo(path_).path());
        QFile::remove(path_);
    }
    void TearDown() override { QFile::remove(path_); }

    QByteArray contents() const
    {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void setContents(const QByteArray& bytes) const
    {
        QFile file(path_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
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

} // namespace
