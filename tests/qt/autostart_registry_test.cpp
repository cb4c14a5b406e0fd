// The Run key as the autostart folder keeps it: entries written,
// removed and refused in a configuration folder made for each test.
#include "platform/qt/autostart_registry.h"
#include "qt/desktop_entry_unquote.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace hv;
using qt::textBytes;
using namespace std::string_literals;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AutostartRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setEnv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        ASSERT_EQ(registry_.openKey(reg::kHKeyCurrentUser, kRun, 0, reg::kKeyAccess, run_), reg::kSuccess);
    }
    void TearDown() override
    {
        registry_.closeKey(run_);
        // Newest first, so a variable set twice ends as it was before the test.
        for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved)
            saved->second ? qputenv(saved->first, *saved->second) : qunsetenv(saved->first);
    }
    void setEnv(const char* name, const QByteArray& value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, value);
    }
    long write(const std::string& data, const std::string& name = "horavista", std::uint32_t type = reg::kString)
    {
        return registry_.setValue(run_, name, type, textBytes(data));
    }
    // The arguments of the entry's command, as a launcher makes them.
    std::vector<std::string> started()
    {
        QFile file(entry());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray text = file.readAll();
        const qsizetype exec = text.indexOf("\nExec=") + 6;
        return test::desktopExecArguments(text.mid(exec, text.indexOf('\n', exec) - exec).toStdString())
            .value_or(std::vector<std::string>{});
    }
    QString entry() const { return qt::AutostartRegistry::folder().value() + "/horavista.desktop"; }
    // What is in the folder, hidden files and links to nowhere included.
    QStringList folderEntries() const
    {
        return QDir(qt::AutostartRegistry::folder().value())
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir_;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
    qt::AutostartRegistry registry_;
    RegKey run_ = 0;
};

TEST_F(AutostartRegistryTest, WritesAnEntryTheDesktopStartsAndRemovesIt)
{
    const std::vector<std::string> paths = {
        "/home/u/My Apps/horavista",
        "/opt/a \"b\" \\c\\\\ 50% %%u $HOME `id` 'q' (x); é/h",
        "/new\nline\tand tab/h",
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ASSERT_EQ(write('"' + path + '"'), reg::kSuccess);
        EXPECT_EQ(started(), std::vector<std::string>{path});
        if (const QString validator = QStandardPaths::findExecutable("desktop-file-validate"); !validator.isEmpty()) {
            QProcess check;
            check.start(validator, {entry()});
            ASSERT_TRUE(check.waitForFinished());
            EXPECT_EQ(check.exitCode(), 0);
            EXPECT_EQ(check.readAll().toStdString(), "") << path;
        }
    }
    EXPECT_EQ(write("/bare path/h"), reg::kSuccess);
    EXPECT_EQ(started(), std::vector<std::string>{"/bare path/h"});

    EXPECT_EQ(registry_.deleteValue(run_, "horavista"), reg::kSuccess);
    EXPECT_FALSE(QFile::exists(entry()));
    EXPECT_EQ(registry_.deleteValue(run_, "horavista"), reg::kFileNotFound);
}

// Whatever has the entry's name, the entry ends up a file of its own in the
// folder, and nothing outside the folder changes.
TEST_F(AutostartRegistryTest, AnEntryThatIsALinkIsReplacedNeverWrittenThrough)
{
    ASSERT_TRUE(QDir().mkpath(qt::AutostartRegistry::folder().value()));
    const QString usersFile = dir_.filePath("notes.desktop");
    const QString nowhere = dir_.filePath("nowhere.desktop");
    {
        QFile file(usersFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the user's own\n");
    }
    for (const QString& target : {usersFile, nowhere}) {
        SCOPED_TRACE(target.toStdString());
        ASSERT_TRUE(QFile::link(target, entry()));
        ASSERT_EQ(write("\"/h\""), reg::kSuccess);
        EXPECT_FALSE(QFileInfo(entry()).isSymLink());
        EXPECT_EQ(started(), std::vector<std::string>{"/h"});
        EXPECT_EQ(folderEntries(), QStringList{"horavista.desktop"}) << "nothing left aside";
        ASSERT_TRUE(QFile::remove(entry()));
    }
    EXPECT_FALSE(QFileInfo::exists(nowhere));

    // Removing the entry removes the link, never what it points to.
    ASSERT_TRUE(QFile::link(usersFile, entry()));
    EXPECT_EQ(registry_.deleteValue(run_, "horavista"), reg::kSuccess);
    EXPECT_EQ(folderEntries(), QStringList());
    QFile file(usersFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "the user's own\n");
}

TEST_F(AutostartRegistryTest, ARewrittenEntryKeepsItsPermissionsAndAFolderInItsPlaceStays)
{
    ASSERT_EQ(write("\"/old\""), reg::kSuccess);
    ASSERT_TRUE(QFile::setPermissions(entry(), QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_EQ(write("\"/new\""), reg::kSuccess);
    EXPECT_EQ(started(), std::vector<std::string>{"/new"});
    EXPECT_FALSE(QFile::permissions(entry()).testAnyFlags(QFile::ReadGroup | QFile::ReadOther));

    ASSERT_TRUE(QFile::remove(entry()));
    ASSERT_TRUE(QDir().mkpath(entry() + "/inside"));
    EXPECT_EQ(write("\"/h\""), reg::kAccessDenied);
    EXPECT_TRUE(QFileInfo::exists(entry() + "/inside"));
    EXPECT_EQ(folderEntries(), QStringList{"horavista.desktop"}) << "nothing left aside";
}

// A user who keeps the folder elsewhere and links it expects the entry
// there, where the desktop looks when it follows the link.
TEST_F(AutostartRegistryTest, AFolderThatIsALinkIsFollowed)
{
    ASSERT_TRUE(QDir().mkpath(dir_.filePath("dotfiles/autostart")));
    ASSERT_TRUE(QDir().mkpath(dir_.filePath("config")));
    ASSERT_TRUE(QFile::link(dir_.filePath("dotfiles/autostart"), dir_.filePath("config/autostart")));
    ASSERT_EQ(write("\"/h\""), reg::kSuccess);
    EXPECT_TRUE(QFileInfo(dir_.filePath("dotfiles/autostart/horavista.desktop")).isFile());
}

TEST_F(AutostartRegistryTest, FollowsTheConfigurationFolderOfTheMoment)
{
    setEnv("HOME", dir_.filePath("home").toUtf8());
    for (const QByteArray& config : {QByteArray(), QByteArray("relative/config")}) {
        setEnv("XDG_CONFIG_HOME", config);
        ASSERT_EQ(write("\"/h\""), reg::kSuccess);
        EXPECT_TRUE(QFile::remove(dir_.filePath("home/.config/autostart/horavista.desktop")));
    }
    EXPECT_FALSE(QDir(dir_.filePath("config")).exists()) << "opening made no folder";
}

TEST_F(AutostartRegistryTest, RefusesWhatIsNoPlainEntryAndWritesNothing)
{
    for (const std::string& name : {""s, "."s, ".."s, "../../escaped"s, "a/b"s, "a\0b"s})
        EXPECT_EQ(write("\"/h\"", name), reg::kInvalidParameter);
    for (const std::string& name : {".."s, "a/b"s})
        EXPECT_EQ(registry_.deleteValue(run_, name), reg::kInvalidParameter);
    EXPECT_EQ(write("\"/h\"", "horavista", reg::kBinary), reg::kInvalidParameter);
    for (const std::string& path : {"\"\""s, "/bell\a"s, "/not \xff utf-8"s})
        EXPECT_EQ(write(path), reg::kInvalidParameter) << path;
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST_F(AutostartRegistryTest, DeniedWhenTheFolderCannotBeWritten)
{
    ASSERT_TRUE(QDir().mkpath(dir_.filePath("config")));
    QFile blocker(dir_.filePath("config/autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(write("\"/h\""), reg::kAccessDenied);
    EXPECT_EQ(registry_.deleteValue(run_, "horavista"), reg::kFileNotFound);

    setEnv("XDG_CONFIG_HOME", "/proc/horavista");
    EXPECT_EQ(write("\"/h\""), reg::kAccessDenied);
}

TEST_F(AutostartRegistryTest, KeepsTheOldEntryWhenTheFolderIsReadOnly)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    setEnv("XDG_CONFIG_HOME", dir_.filePath("locked").toUtf8());
    ASSERT_EQ(write("\"/old\""), reg::kSuccess);
    QFile::setPermissions(dir_.filePath("locked/autostart"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(write("\"/new\""), reg::kAccessDenied);
    EXPECT_EQ(registry_.deleteValue(run_, "horavista"), reg::kAccessDenied);
    EXPECT_EQ(started(), std::vector<std::string>{"/old"}) << "the old entry stays whole";
    QFile::setPermissions(dir_.filePath("locked/autostart"), QFile::WriteOwner | QFile::ReadOwner | QFile::ExeOwner);
}

TEST_F(AutostartRegistryTest, OpensOnlyTheRunKey)
{
    RegKey key = 0;
    EXPECT_EQ(registry_.openKey(reg::kHKeyCurrentUser, "SOFTWARE\\microsoft\\windows\\currentVersion\\RUN\\", 0,
                                reg::kKeyAccess, key),
              reg::kSuccess);
    EXPECT_EQ(registry_.closeKey(key), reg::kSuccess);
    EXPECT_EQ(registry_.closeKey(key), 6);
    EXPECT_EQ(registry_.openKey(reg::kHKeyLocalMachine, kRun, 0, reg::kKeyAccess, key), reg::kFileNotFound);
    EXPECT_EQ(registry_.openKey(reg::kHKeyCurrentUser, kRun + "Once"s, 0, reg::kKeyAccess, key), reg::kFileNotFound);
}

} // namespace
