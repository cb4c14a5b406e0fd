#pragma once
// Keeping awake on Linux: the right Shift key through the XTest extension
// and the X screen saver's idle timer reset, where an X server offers them
// (on Wayland they do nothing); and over the session bus, the desktop's
// screen saver told of user activity and the idle inhibition, which holds
// on X11 and Wayland alike.
#include "platform/keep_awake.h"
#include "platform/qt/session/idle_inhibitor.h"

struct _XDisplay;

namespace hv::qt {

class X11KeepAwake : public KeepAwake {
public:
    // sessionBusName as for IdleInhibitor: empty for the session bus.
    explicit X11KeepAwake(QString sessionBusName = {});
    ~X11KeepAwake() override;
    X11KeepAwake(const X11KeepAwake&) = delete;
    X11KeepAwake& operator=(const X11KeepAwake&) = delete;

    void hold(bool held) override { idle_.setHeld(held); }
    void pressKey() override { rightShift(true); }
    void releaseKey() override { rightShift(false); }
    void resetIdle() override;

    bool hasXTest();

private:
    // The connection is opened at the first use: the keep-awake tick comes
    // a minute after the clock opens, and the program's start need not wait.
    _XDisplay* display();
    void rightShift(bool down);

    IdleInhibitor idle_;
    _XDisplay* display_ = nullptr;
    bool opened_ = false;
    bool xtest_ = false;
};

} // namespace hv::qt
