// launch_time: how long a program takes from being started to showing its
// first window, seen from the X server.
//
// The program is started with the given arguments; the time runs until a
// top-level window with the given title is mapped and its first pixels
// have changed on the server (the first damage report after the map). The
// program is then ended. One line with the milliseconds is printed.
//
// usage: launch_time TITLE PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "launch_time: %s\n", message.c_str());
    std::exit(2);
}

bool hasTitle(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

// Waits for the next event, at most until the deadline; false on timeout.
bool nextEvent(Display* display, XEvent& event, Clock::time_point deadline)
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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        fail("usage: launch_time TITLE PROGRAM [ARGS...]");
    const char* title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display");
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError))
        fail("the X server has no DAMAGE extension");
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(30);
    Window shown = None;
    double ms = -1;
    XEvent event;
    while (ms < 0 && nextEvent(display, event, deadline)) {
        if (event.type == MapNotify && shown == None && hasTitle(display, event.xmap.window, title)) {
            shown = event.xmap.window;
            XDamageCreate(display, shown, XDamageReportNonEmpty);
        } else if (event.type == damageEvent + XDamageNotify && shown != None) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    // The damage object goes with the connection.
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (ms < 0)
        fail(std::string("no window titled \"") + title + "\" showed within 30 s");
    std::printf("%.1f\n", ms);
    return 0;
}
