#pragma once
// What Windows asks of a screen saver through its command line: show it,
// open its settings, or draw a preview into a window of the control panel;
// and what the uninstaller asks of the program: remove its log-in entry.
#include <cstdint>
#include <string>
#include <vector>

namespace hv {

struct ScreenSaverRequest {
    enum class Action { Options, Show, Preview, Usage, RemoveLogIn, NotUnderstood };
    Action action = Action::Options;
    // The preview's window, for Preview.
    std::uintptr_t host = 0;
    // What was not understood, for NotUnderstood.
    std::string refused = {};
};

// arguments leave out the program's own name. Letters may be in either
// case; a window follows its switch after a blank or a colon.
ScreenSaverRequest ParseScreenSaverArguments(const std::vector<std::string>& arguments);

// The forms the program understands, for a message box.
extern const char* const kScreenSaverUsage;

} // namespace hv
