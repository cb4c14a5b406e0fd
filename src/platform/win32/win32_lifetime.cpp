#include "platform/win32/win32_lifetime.h"

#include "platform/win32/windows/form_window.h"

#include <cstdio>

namespace hv::win32 {

void Win32EventPump::pumpEvents()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        dispatchMessage(msg);
    }
}

void dispatchMessage(MSG& msg)
{
    if (const HWND window = keyboardNavigatedWindow(msg.hwnd)) {
        const bool heldEnter = msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && (msg.lParam & (1 << 30)) != 0;
        if (heldEnter || IsDialogMessageW(window, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Lifetime::endNow(int exitStatus)
{
    // Every option is stored the moment it changes: nothing is left to save.
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(exitStatus));
}

} // namespace hv::win32
