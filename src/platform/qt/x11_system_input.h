#pragma once
// Simulated input and the execution state on X11: key events through the
// XTest extension, the screen saver's idle timer reset, and where a session
// bus offers it, the freedesktop screen saver told of user activity.
#include "platform/services.h"

struct _XDisplay;

namespace hv::qt {

class X11SystemInput : public SystemInput {
public:
    X11SystemInput();
    ~X11SystemInput() override;
    X11SystemInput(const X11SystemInput&) = delete;
    X11SystemInput& operator=(const X11SystemInput&) = delete;

    std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    void setExecutionState(std::uint32_t flags) override;

    bool hasXTest();

private:
    // The connection is opened at the first use: the keep-awake tick comes
    // a minute after the clock opens, and the program's start need not wait.
    _XDisplay* display();
    unsigned keycodeOf(std::uint32_t virtualKey);

    _XDisplay* display_ = nullptr;
    bool opened_ = false;
    bool xtest_ = false;
};

} // namespace hv::qt
