#include "platform/win32/win32_system_input.h"

#include <windows.h>

namespace hv::win32 {

std::uint32_t Win32SystemInput::mapVirtualKey(std::uint32_t code, std::uint32_t mapType)
{
    return MapVirtualKeyW(code, mapType);
}

void Win32SystemInput::keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags)
{
    keybd_event(virtualKey, scanCode, flags, 0);
}

void Win32SystemInput::setExecutionState(std::uint32_t flags) { SetThreadExecutionState(flags); }

} // namespace hv::win32
