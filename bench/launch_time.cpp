// launch_time: how long a program takes from being started to showing its
// first window, seen from the X server.
//
// The program is started with the given arguments; the time runs until a
// top-level window with the given title is mapped and its first pixels
// have changed on the server (the first damage report after the map). The
// program is then ended. One line with the milliseconds is printed.
//
// usage: launch_time TITLE PROGRAM [ARGS...]
#include "x_damage.h"

#include <X11/Xutil.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using bench::Clock;
using bench::fail;

bool hasTitle(Display* display, Window window, const char* title)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        fail("usage: launch_time TITLE PROGRAM [ARGS...]");
    const char* title = argv[1];
    const auto [display, damageEvent] = bench::openDamageDisplay();
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
    while (ms < 0 && bench::nextEvent(display, event, deadline)) {
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
