#include "platform/win32/windows/win32_timer.h"

#include "platform/win32/windows/form_window.h"

namespace hv::win32 {

Win32Timer::Win32Timer(FormWindow& form, UINT_PTR id, const TimerDesign& design)
    : form_(form)
    , id_(id)
    , design_(design)
{
    setEnabled(design.enabled);
}

Win32Timer::~Win32Timer() { setEnabled(false); }

void Win32Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!form_.hwnd())
        return;
    if (!enabled)
        // Takes a tick already waiting in the queue along.
        KillTimer(form_.hwnd(), id_);
    else
        arm(design_.nextDelayMs ? design_.nextDelayMs(true) : design_.intervalMs);
}

void Win32Timer::ticked()
{
    if (!enabled_)
        return;
    if (design_.nextDelayMs)
        arm(design_.nextDelayMs(false));
    form_.deliver(design_.onTimer);
}

void Win32Timer::arm(int delayMs)
{
    // Setting the timer again under its number replaces the last setting.
    SetTimer(form_.hwnd(), id_, static_cast<UINT>(delayMs), nullptr);
}

} // namespace hv::win32
