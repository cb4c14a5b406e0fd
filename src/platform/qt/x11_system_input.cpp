#include "platform/qt/x11_system_input.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <utility>

namespace hv::qt {

namespace {

// X keycodes of the evdev keymap are the kernel's key codes plus 8, and
// those match scan-code set 1 for the keys the program simulates.
constexpr unsigned kEvdevOffset = 8;

KeySym keysymOf(std::uint32_t virtualKey)
{
    switch (virtualKey) {
    case SystemInput::kVkRightShift: return XK_Shift_R;
    default: return NoSymbol;
    }
}

} // namespace

X11SystemInput::X11SystemInput(QString sessionBusName) : idle_(std::move(sessionBusName)) {}

_XDisplay* X11SystemInput::display()
{
    if (!opened_) {
        opened_ = true;
        display_ = XOpenDisplay(nullptr);
        int event, error, major, minor;
        xtest_ = display_ && XTestQueryExtension(display_, &event, &error, &major, &minor);
    }
    return display_;
}

bool X11SystemInput::hasXTest()
{
    display();
    return xtest_;
}

X11SystemInput::~X11SystemInput()
{
    if (display_)
        XCloseDisplay(display_);
}

unsigned X11SystemInput::keycodeOf(std::uint32_t virtualKey)
{
    const KeySym sym = keysymOf(virtualKey);
    return display() && sym != NoSymbol ? XKeysymToKeycode(display_, sym) : 0;
}

std::uint32_t X11SystemInput::mapVirtualKey(std::uint32_t code, std::uint32_t mapType)
{
    if (mapType != kMapVkToVsc)
        return 0;
    const unsigned keycode = keycodeOf(code);
    return keycode > kEvdevOffset ? keycode - kEvdevOffset : 0;
}

void X11SystemInput::keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags)
{
    if (!hasXTest())
        return;
    unsigned keycode = keycodeOf(virtualKey);
    if (keycode == 0 && scanCode != 0)
        keycode = scanCode + kEvdevOffset;
    if (keycode == 0)
        return;
    XTestFakeKeyEvent(display_, keycode, (flags & kKeyEventKeyUp) ? False : True, CurrentTime);
    // Waits for the server to take the key: the tick lets events run next,
    // and the key should be among them.
    XSync(display_, False);
}

void X11SystemInput::setExecutionState(std::uint32_t flags)
{
    if (!(flags & kEsSystemRequired))
        return;
    if (display()) {
        XForceScreenSaver(display_, ScreenSaverReset);
        XFlush(display_);
    }
    idle_.reportActivity();
}

} // namespace hv::qt
