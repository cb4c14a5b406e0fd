#pragma once
// What the command line asks of the program. Started with no argument, as
// the menu and the log-in entry start it, it runs; --help and --version
// are answered without a display; anything else is refused.
#include <QString>
#include <QStringList>

#include <optional>

namespace hv::qt {

struct CommandLineAnswer {
    // The status to end with at once, or nothing to run the program.
    std::optional<int> exitStatus;
    QString output; // for stdout
    QString errors; // for stderr
};

// The answer to a command line, its program name first.
CommandLineAnswer answerCommandLine(const QStringList& arguments);

} // namespace hv::qt
