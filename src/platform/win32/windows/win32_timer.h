#pragma once
// A window's timer: its ticks reach the presenter like the window's other
// events, and stop with the window.
#include "platform/window.h"

#include <windows.h>

namespace hv::win32 {

class FormWindow;

class Win32Timer : public hv::Timer {
public:
    // id is the timer's number among its window's timers.
    Win32Timer(FormWindow& form, UINT_PTR id, const TimerDesign& design);
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;
    ~Win32Timer() override;
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    UINT_PTR id() const { return id_; }
    // The window's WM_TIMER for this timer.
    void ticked();

private:
    void arm(int delayMs);

    FormWindow& form_;
    const UINT_PTR id_;
    const TimerDesign design_;
    bool enabled_ = false;
};

} // namespace hv::win32
