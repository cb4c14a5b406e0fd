#include "platform/win32/session/win32_system_input.h"

#include <windows.h>

namespace hv::win32 {

namespace {

void rightShift(DWORD flags)
{
    keybd_event(VK_RSHIFT, static_cast<BYTE>(MapVirtualKeyW(VK_RSHIFT, MAPVK_VK_TO_VSC)), flags, 0);
}

} // namespace

void Win32KeepAwake::hold(bool held)
{
    SetThreadExecutionState(held ? ES_CONTINUOUS | ES_DISPLAY_REQUIRED : ES_CONTINUOUS);
}

void Win32KeepAwake::pressKey() { rightShift(0); }

void Win32KeepAwake::releaseKey() { rightShift(KEYEVENTF_KEYUP); }

void Win32KeepAwake::resetIdle() { SetThreadExecutionState(ES_SYSTEM_REQUIRED); }

} // namespace hv::win32
