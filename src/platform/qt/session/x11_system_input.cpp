#include "platform/qt/session/x11_system_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <utility>

namespace hv::qt {

X11KeepAwake::X11KeepAwake(QString sessionBusName)
    : idle_(std::move(sessionBusName))
{
}

_XDisplay* X11KeepAwake::display()
{
    if (!opened_) {
        opened_ = true;
        display_ = XOpenDisplay(nullptr);
        int event, error, major, minor;
        xtest_ = display_ && XTestQueryExtension(display_, &event, &error, &major, &minor);
    }
    return display_;
}

bool X11KeepAwake::hasXTest()
{
    display();
    return xtest_;
}

X11KeepAwake::~X11KeepAwake()
{
    if (display_)
        XCloseDisplay(display_);
}

void X11KeepAwake::rightShift(bool down)
{
    if (!hasXTest())
        return;
    const unsigned keycode = XKeysymToKeycode(display_, XK_Shift_R);
    if (keycode == 0)
        return;
    XTestFakeKeyEvent(display_, keycode, down ? True : False, CurrentTime);
    // Waits for the server to take the key: the tick lets events run next,
    // and the key should be among them.
    XSync(display_, False);
}

void X11KeepAwake::resetIdle()
{
    if (display()) {
        XForceScreenSaver(display_, ScreenSaverReset);
        XFlush(display_);
    }
    idle_.reportActivity();
}

} // namespace hv::qt
