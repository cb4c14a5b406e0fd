// The program's command line: it runs on none, answers --help and
// --version, and refuses anything else in one line with status 2.
#include "horavista_version.h"
#include "platform/qt/command_line.h"

#include <gtest/gtest.h>

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

} // namespace
