#pragma once
// Keeping the screen on while the clock is shown: the desktop is told to
// hold off its blanking, and a periodic tick presses a key nobody sees and
// resets the system's idle timer for the desktops that ignore the former.
namespace hv {

class KeepAwake {
public:
    virtual ~KeepAwake() = default;
    // While held, the desktop neither blanks the screen nor starts its
    // screen saver for want of input. Holding what is held, or releasing
    // what is not, changes nothing.
    virtual void hold(bool held) = 0;
    // The right Shift key, pressed and released through the system's input
    // stream, so the window with the keyboard focus hears it.
    virtual void pressKey() = 0;
    virtual void releaseKey() = 0;
    // Tells the system it is in use: resets its idle timer once.
    virtual void resetIdle() = 0;
};

} // namespace hv
