#pragma once
// What the tools that watch the X server's damage reports share: ending
// with a message, a connection to a server that reports damage, and
// waiting for its next event.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <errno.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

using Clock = std::chrono::steady_clock;

// Ends the tool with status 2, the message after the tool's name.
[[noreturn]] inline void fail(const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, message.c_str());
    std::exit(2);
}

struct DamageDisplay {
    Display* display;
    int damageEvent; // the first event number of the DAMAGE extension
};

// The display DISPLAY names, which must offer the DAMAGE extension.
inline DamageDisplay openDamageDisplay()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display (is DISPLAY set?)");
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError))
        fail("the X server has no DAMAGE extension");
    return {display, damageEvent};
}

// Waits for the next event, at most until the deadline; false on timeout.
inline bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline)
{
    while (!XPending(display)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
    XNextEvent(display, &event);
    return true;
}

} // namespace bench
