#pragma once
// What the command line asks of the program. Started with no argument, as
// the menu and the log-in entry start it, it runs; --help and --version
// are answered without a display; --window-id, --root or the window a
// screen-saver daemon names in XSCREENSAVER_WINDOW make it a display mode,
// the clock drawn into that window; anything else is refused.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace hv::qt {

struct CommandLineAnswer {
    // The status to end with at once, or nothing to run the program.
    std::optional<int> exitStatus;
    QString output; // for stdout
    QString errors; // for stderr
    // Run as a display mode, drawing into this X window; 0 for the root
    // window of the display.
    std::optional<std::uintptr_t> hostWindow = {};
};

// The answer to a command line, its program name first, and to the value
// of XSCREENSAVER_WINDOW (empty when it is not set).
CommandLineAnswer answerCommandLine(const QStringList& arguments, const QString& screenSaverWindow = {});

} // namespace hv::qt
