// The program's command line: it runs on none, answers --help and
// --version, runs as a display mode on a window id, --root or the window
// xscreensaver names, and refuses anything else in one line with status 2.
#include "horavista_version.h"
#include "platform/qt/command_line.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using hv::qt::answerCommandLine;

QStringList line(const QStringList& arguments) { return QStringList{"/usr/bin/horavista"} + arguments; }

TEST(CommandLine, RunsWithNoArgumentAndAnswersHelpAndVersion)
{
    const auto run = answerCommandLine(line({}));
    EXPECT_FALSE(run.exitStatus);
    EXPECT_TRUE(run.output.isEmpty() && run.errors.isEmpty());

    for (const QString help : {"-h", "--help", "--help-all"}) {
        const auto answer = answerCommandLine(line({help}));
        EXPECT_EQ(answer.exitStatus, 0) << help.toStdString();
        EXPECT_TRUE(answer.output.startsWith("Usage: horavista [--help | --version]\n")) << help.toStdString();
        EXPECT_TRUE(answer.errors.isEmpty());
    }
    for (const QString version : {"-v", "--version"}) {
        const auto answer = answerCommandLine(line({version}));
        EXPECT_EQ(answer.exitStatus, 0);
        EXPECT_EQ(answer.output, QString("horavista %1\n").arg(hv::kVersion));
    }
    EXPECT_TRUE(answerCommandLine(line({"--version", "--help"})).output.startsWith("Usage:"));
}

TEST(CommandLine, RefusesEverythingElseInOneLine)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"--bogus"}, "horavista: Unknown option 'bogus'. Try --help.\n"},
        {{"clock"}, "horavista: Unexpected argument 'clock'. Try --help.\n"},
        {{"--version", "extra"}, "horavista: Unexpected argument 'extra'. Try --help.\n"},
        {{"--version=2"}, "horavista: Unexpected value after '--version'. Try --help.\n"},
        {{"-platform", "xcb"}, "horavista: Unknown options: p, l, a, t, f, o, r, m. Try --help.\n"},
        {{"a\nb"}, "horavista: Unexpected argument 'a b'. Try --help.\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto answer = answerCommandLine(line(arguments));
        EXPECT_EQ(answer.exitStatus, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(answer.errors, message);
        EXPECT_TRUE(answer.output.isEmpty());
    }
}

TEST(CommandLine, DisplayModeTakesTheWindowFromTheLineTheDaemonOrTheRoot)
{
    const std::tuple<QStringList, QString, std::uintptr_t> cases[] = {
        {{"--window-id", "4194311"}, {}, 4194311},
        {{"--window-id=0x400007"}, {}, 0x400007},
        {{"-window-id", "0X40000a"}, {}, 0x40000a},
        {{"--root"}, "0x1e00007", 0x1e00007},
        {{"-root"}, "31457287", 31457287},
        {{"--window-id", "12"}, "0x1e00007", 12},
        {{"--root"}, {}, 0},
        {{"-root"}, {}, 0},
    };
    for (const auto& [arguments, daemonWindow, host] : cases) {
        const auto answer = answerCommandLine(line(arguments), daemonWindow);
        EXPECT_FALSE(answer.exitStatus) << arguments.join(' ').toStdString();
        EXPECT_EQ(answer.hostWindow, host) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(answerCommandLine(line({})).hostWindow);
    // A plain start is the program's own, whatever a session left in the variable.
    EXPECT_FALSE(answerCommandLine(line({}), "0x1e00007").hostWindow);
    EXPECT_EQ(answerCommandLine(line({"--version"}), "0x1e00007").exitStatus, 0);
}

TEST(CommandLine, RefusesABadWindowId)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"--window-id", "abc"}, "--window-id 'abc'"},
        {{"--window-id", "0"}, "--window-id '0'"},
        {{"--window-id", "0x"}, "--window-id '0x'"},
        {{"--window-id", "-5"}, "--window-id '-5'"},
        {{"--window-id", "0x100000000"}, "--window-id '0x100000000'"},
        {{"--root"}, "XSCREENSAVER_WINDOW 'window'"},
    };
    for (const auto& [arguments, named] : cases) {
        const auto answer = answerCommandLine(line(arguments), "window");
        EXPECT_EQ(answer.exitStatus, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(answer.errors,
            "horavista: " + named + " is not a window id (a decimal or 0x hex number other than 0). Try --help.\n");
    }
    EXPECT_EQ(
        answerCommandLine(line({"--window-id"})).errors, "horavista: Missing value after '--window-id'. Try --help.\n");
}

} // namespace
