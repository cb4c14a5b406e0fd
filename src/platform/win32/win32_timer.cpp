#include "platform/win32/win32_timer.h"

#include "clock/tick_phase.h"
#include "platform/win32/form_window.h"

#include <chrono>

namespace hv::win32 {

Win32Timer::Win32Timer(FormWindow& form, UINT_PTR id, const TimerDesign& design)
    : form_(form), id_(id), design_(design)
{
    setEnabled(design.enabled);
}

Win32Timer::~Win32Timer()
{
    setEnabled(false);
}

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
    else if (design_.onWholeSeconds)
        arm(kFirstTickGapMs);
    else
        SetTimer(form_.hwnd(), id_, static_cast<UINT>(design_.intervalMs), nullptr);
}

void Win32Timer::ticked()
{
    if (!enabled_)
        return;
    if (design_.onWholeSeconds)
        arm(kNextTickGapMs);
    form_.deliver(design_.onTimer);
}

void Win32Timer::arm(int minGapMs)
{
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    // Setting the timer again under its number replaces the last setting.
    SetTimer(form_.hwnd(), id_, static_cast<UINT>(msToNextWholeSecond(now, minGapMs)), nullptr);
}

} // namespace hv::win32
