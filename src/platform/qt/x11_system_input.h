#pragma once
// Simulated input and the execution state on Linux: key events through the
// XTest extension and the X screen saver's idle timer reset, where an X
// server offers them (on Wayland they do nothing); and over the session
// bus, the desktop's screen saver told of user activity and the idle
// inhibition, which holds on X11 and Wayland alike.
#include "platform/qt/idle_inhibitor.h"
#include "platform/services.h"

struct _XDisplay;

namespace hv::qt {

class X11SystemInput : public SystemInput {
public:
    // sessionBusName as for IdleInhibitor: empty for the session bus.
    explicit X11SystemInput(QString sessionBusName = {});
    ~X11SystemInput() override;
    X11SystemInput(const X11SystemInput&) = delete;
    X11SystemInput& operator=(const X11SystemInput&) = delete;

    std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    void setExecutionState(std::uint32_t flags) override;
    void holdIdleInhibition(bool hold) override { idle_.setHeld(hold); }

    bool hasXTest();

private:
    // The connection is opened at the first use: the keep-awake tick comes
    // a minute after the clock opens, and the program's start need not wait.
    _XDisplay* display();
    unsigned keycodeOf(std::uint32_t virtualKey);

    IdleInhibitor idle_;
    _XDisplay* display_ = nullptr;
    bool opened_ = false;
    bool xtest_ = false;
};

} // namespace hv::qt
