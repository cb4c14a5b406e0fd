// The options file on disk: which texts Qt's INI reader would read only in
// part, and where a damaged file is kept.
#include "platform/qt/storage/settings_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace {

using hv::qt::hasUnreadableLines;
using hv::qt::keepDamagedCopy;
using namespace std::string_literals;

QByteArray bytes(const std::string& text) { return QByteArray(text.data(), static_cast<qsizetype>(text.size())); }

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether Qt's own reader reports a format error for this text.
bool qtFindsFormatError(const QTemporaryDir& dir, const QByteArray& text)
{
    static int files = 0;
    const QString path = dir.filePath(QString("case%1.ini").arg(++files));
    writeFile(path, text);
    QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    return settings.status() == QSettings::FormatError;
}

TEST(UnreadableLines, FoundWhereQtsReaderWouldDropOrSwallowLines)
{
    QTemporaryDir dir;
    // Lines Qt reads only in part, as its own status reports them.
    const struct {
        std::string text;
        bool unreadable;
    } cases[] = {
        {"", false},
        {"[Horavista]\nCheck1=1\n", false},
        {"; a comment\n\n[Horavista]\r\nCheck1 = 1\r\nCheck4=0", false},
        {"[a]\nk=\"quoted ; = \\\" value\"\nl=v ; a comment after a value\n", false},
        {"[a]\nk=a line\\\ncontinued\nl=and\\\r\nanother\n", false},
        {"[a]\nk=\"a quote open at the very end", false},
        {"k=before any section\n[%General]\nk=v\n", false},
        {"[Horavista]\nno equals sign here\nCheck4=0\n", true},
        {"[Horavista\nCheck4=0\n", true},
        {"# a comment Qt does not know\n[a]\nk=v\n", true},
        {"[a]\nk=v\n[b]\njunk ; and a comment\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(hasUnreadableLines(bytes(c.text)), c.unreadable);
        EXPECT_EQ(qtFindsFormatError(dir, bytes(c.text)), c.unreadable) << "Qt agrees";
    }
    // Qt flags a byte-order mark, yet reads every line after it.
    const QByteArray bom = "\xef\xbb\xbf[Horavista]\nCheck1=1\n";
    EXPECT_FALSE(hasUnreadableLines(bom));
    const QString bomPath = dir.filePath("bom.ini");
    writeFile(bomPath, bom);
    EXPECT_EQ(QSettings(bomPath, QSettings::IniFormat).allKeys(), QStringList{"Horavista/Check1"});

    // A quote left open over a line break: Qt reports nothing, but the rest
    // of the file becomes one value.
    const QByteArray swallowed = "[Horavista]\nCheck1=\"\nCheck4=0\nCombo1=5\n";
    EXPECT_TRUE(hasUnreadableLines(swallowed));
    const QString path = dir.filePath("swallowed.ini");
    writeFile(path, swallowed);
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).allKeys(), QStringList{"Horavista/Check1"});
}

TEST(UnreadableLines, NoneInWhatQtWritesItself)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("written.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("Horavista/Clock Color", "16777215");
        settings.setValue("Horavista/odd", "two\nlines; \"quoted\" = \\ and \r, a list");
        settings.setValue("Horavista/list", QStringList{"a", "b;c"});
        settings.setValue("other/\"key\"", " padded ");
    }
    const QByteArray written = readFile(path);
    ASSERT_FALSE(written.isEmpty());
    EXPECT_FALSE(hasUnreadableLines(written)) << written.toStdString();
}

TEST(DamagedCopy, NeverOverwritesNorWritesThroughWhatHasItsName)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Horavista.ini");
    EXPECT_EQ(keepDamagedCopy(file, "one", 0600), file + ".bak");
    EXPECT_EQ(keepDamagedCopy(file, "one", 0600), file + ".bak") << "the same contents: the same copy";
    EXPECT_EQ(keepDamagedCopy(file, "two", 0600), file + ".bak.1");
    EXPECT_EQ(readFile(file + ".bak"), "one");

    // Links are names taken, never followed: to a user's file, or nowhere.
    const QString usersFile = dir.filePath("notes");
    writeFile(usersFile, "three");
    ASSERT_TRUE(QFile::link(usersFile, file + ".bak.2"));
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), file + ".bak.3"));
    // A pipe is a name taken too, and nothing waits for a writer to it.
    ASSERT_EQ(::mkfifo(QFile::encodeName(file + ".bak.4").constData(), 0600), 0);
    EXPECT_EQ(keepDamagedCopy(file, "three", 0600), file + ".bak.5");
    EXPECT_EQ(readFile(usersFile), "three");
    EXPECT_FALSE(QFile::exists(dir.filePath("nowhere")));
    EXPECT_EQ(QFile::permissions(file + ".bak.5")
            & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser),
        QFile::Permissions());

    for (int n = 6; n <= 9; ++n)
        writeFile(file + ".bak." + QString::number(n), "earlier");
    EXPECT_EQ(keepDamagedCopy(file, "four", 0600), std::nullopt) << "every name taken";
    EXPECT_EQ(keepDamagedCopy(dir.filePath("no folder/Horavista.ini"), "five", 0600), std::nullopt);
}

} // namespace
