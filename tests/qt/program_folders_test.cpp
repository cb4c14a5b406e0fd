// Files beside the program as an installed program finds them: in the
// executable's folder first, then in the user's and the system's data
// folders, the first place that has the name winning.
#include "platform/qt/storage/qt_file_system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace {

using hv::qt::QtFileSystem;

class ProgramFolders : public ::testing::Test {
protected:
    ProgramFolders()
    {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        // Relative folders land in the run's own folder.
        QDir::setCurrent(root_.path());
    }
    ~ProgramFolders() override
    {
        QDir::setCurrent(current_);
        for (const auto& [name, value] : saved_)
            value ? qputenv(name, *value) : qunsetenv(name);
    }

    static void set(const char* name, const QString& value) { qputenv(name, QFile::encodeName(value)); }

    // A file under folder/horavista, the folders on the way made.
    static void put(const QString& folder, const QString& relative)
    {
        const QString path = folder + "/horavista/" + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    static QString found(const QString& relative)
    {
        return QString::fromStdString(QtFileSystem().programFile(relative.toStdString()));
    }

    std::map<const char*, std::optional<QByteArray>> saved_;
    const QString current_ = QDir::currentPath();
    QTemporaryDir root_;
};

TEST_F(ProgramFolders, TheFirstFolderThatHasTheNameWins)
{
    // A name of this run's own in the executable's folder, which the other
    // folders then hold too.
    QTemporaryDir beside(QCoreApplication::applicationDirPath() + "/lookup-XXXXXX");
    const QString name = QFileInfo(beside.path()).fileName() + "/x/o.cjs";
    const QString home = root_.filePath("home"), first = root_.filePath("first"), second = root_.filePath("second");
    set("XDG_DATA_HOME", home);
    // A relative entry is invalid, and an empty one is no folder.
    set("XDG_DATA_DIRS", "relative::" + first + ":" + second);
    const QString besidePath = QCoreApplication::applicationDirPath() + "/" + name;

    EXPECT_EQ(found(name), besidePath) << "nowhere: the executable's folder, as before";
    put("relative", name);
    put(second, name);
    EXPECT_EQ(found(name), second + "/horavista/" + name);
    put(first, name);
    EXPECT_EQ(found(name), first + "/horavista/" + name);
    put(home, name);
    EXPECT_EQ(found(name), home + "/horavista/" + name);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(besidePath).path()));
    ASSERT_TRUE(QFile::link(root_.filePath("gone"), besidePath));
    EXPECT_EQ(found(name), besidePath) << "a link whose target is gone is still there, and not passed over";
}

TEST_F(ProgramFolders, UnsetOrEmptyVariablesMeanTheDefaultFolders)
{
    set("HOME", root_.path());
    qunsetenv("XDG_DATA_HOME");
    set("XDG_DATA_DIRS", "");
    const QStringList expected{QCoreApplication::applicationDirPath(), root_.path() + "/.local/share/horavista",
        "/usr/local/share/horavista", "/usr/share/horavista"};
    EXPECT_EQ(QtFileSystem::programFolders(), expected);
    set("XDG_DATA_HOME", "relative/share");
    qunsetenv("XDG_DATA_DIRS");
    EXPECT_EQ(QtFileSystem::programFolders(), expected);

    put(root_.path() + "/.local/share", "x/o.cjs");
    EXPECT_EQ(found("x/o.cjs"), root_.path() + "/.local/share/horavista/x/o.cjs");

    // No text names a folder whose path is not UTF-8.
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path()) + "/caf\xe9");
    qputenv("XDG_DATA_DIRS", "/usr/local/share/:/caf\xe9:/usr/share/");
    QStringList withoutDataHome = expected;
    withoutDataHome.removeAt(1);
    EXPECT_EQ(QtFileSystem::programFolders(), withoutDataHome);
}

} // namespace
