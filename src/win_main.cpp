// Horavista on Windows: the whole screen as an analog clock.
#include "app/program.h"
#include "platform/win32/win32_lifetime.h"
#include "platform/win32/win32_platform.h"
#include "shared/settings_keys.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    hv::win32::Win32Platform win32Platform(hv::settings::kOrganisation, hv::settings::kApplication);
    hv::Platform platform = win32Platform.platform();
    hv::Program program(platform);
    program.start();
    // Windows come and go with the program's own flow, which ends the
    // process itself when the options window closes.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        hv::win32::dispatchMessage(message);
    return static_cast<int>(message.wParam);
}
