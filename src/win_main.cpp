// Horavista on Windows: the whole screen as an analog clock.
#include "app/program.h"
#include "platform/win32/win32_platform.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    hv::win32::Win32Platform win32Platform;
    hv::Platform platform = win32Platform.platform();
    hv::Program program(platform);
    program.start();
    // Windows come and go with the program's own flow, which ends the
    // process itself when the options window closes. Tab, Enter and Space
    // are the controls' own business, so no dialog-message filter here.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
