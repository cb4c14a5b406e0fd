// The Exec and key values of the log-in entry, read back by the Desktop
// Entry rules: every path a program can have comes back whole.
#include "platform/qt/session/desktop_entry.h"
#include "qt/desktop_entry_unquote.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using hv::qt::desktopExecValue;
using hv::qt::desktopKeyValue;
using hv::test::desktopExecArguments;
using hv::test::unescapeDesktopString;
using namespace std::string_literals;

TEST(DesktopEntry, EveryPathComesBackAsTheOneArgumentItWas)
{
    const std::vector<std::string> paths = {
        "/usr/bin/horavista",
        "/home/u/My Apps/horavista",
        "/opt/a \"b\" \\c\\\\ 50% %%u %f $HOME ${X} `id` 'q' (x); a&b|c<d>e~f*g?h#i=j/h",
        "/new\nline\tand tab\rand return/h",
        "/ends in a backslash\\",
        "\\",
        "%",
        "\"",
        "/é ü 時計 🕐/horavista",
        "/  two  blanks  /h",
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const std::optional<QByteArray> value = desktopExecValue(QByteArrayView(path.data(), path.size()));
        ASSERT_TRUE(value);
        EXPECT_FALSE(value->contains('\n') || value->contains('\r')) << "a value stays on its line";
        EXPECT_EQ(desktopExecArguments(value->toStdString()), std::vector<std::string>{path});
    }
}

TEST(DesktopEntry, RefusesWhatNoValueCanHold)
{
    for (const std::string& path : {"/bell\a"s, "/escape\x1b"s, "/delete\x7f"s, "/nul\0x"s, "/not \xff utf-8"s,
             "/overlong \xc0\xaf"s, "/surrogate \xed\xa0\x80"s, "/cut \xe6\x99"s}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(desktopExecValue(QByteArrayView(path.data(), path.size())), std::nullopt);
        EXPECT_EQ(desktopKeyValue(QByteArrayView(path.data(), path.size())), std::nullopt);
    }
}

TEST(DesktopEntry, KeyValuesComeBackAsTheTextTheyWere)
{
    for (const std::string& text :
        {"Horavista"s, "a\\b\\\\c"s, "two\nlines\tand\rmore"s, "\\n is no line break"s, "Uhr 時計"s, ""s}) {
        SCOPED_TRACE(text);
        const std::optional<QByteArray> value = desktopKeyValue(QByteArrayView(text.data(), text.size()));
        ASSERT_TRUE(value);
        EXPECT_EQ(unescapeDesktopString(value->toStdString()), text);
    }
}

// The reader is strict, so that a writer that breaks the rules is caught.
TEST(DesktopEntry, TheReaderRefusesValuesThatBreakTheRules)
{
    for (const std::string& value :
        {"\"open"s, "\"/a\\x\""s, "/a b"s + '\\', "/a\\qb"s, "\"/50%\""s, "/a;b"s, "\"/a\"\n"s, "/$HOME"s, "\"/%f\""s})
        EXPECT_EQ(desktopExecArguments(value), std::nullopt) << value;
    EXPECT_EQ(desktopExecArguments("\"/a\\\\\\\\b\" %%x"), (std::vector<std::string>{"/a\\b", "%x"}));
    EXPECT_EQ(desktopExecArguments("a  \"\"  b"), (std::vector<std::string>{"a", "", "b"}));
}

} // namespace
