// The yardstick of the Windows program's start-up and memory: a bare Win32
// window with the options window's client size (536 by 354 pixels at 96
// DPI), or with --full-screen a borderless one over the whole screen, as
// the clock's.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    const bool fullScreen = std::strstr(commandLine, "--full-screen") != nullptr;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(fullScreen ? BLACK_BRUSH : WHITE_BRUSH));
    wc.lpszClassName = L"BareWin32Window";
    RegisterClassExW(&wc);

    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT place{0, 0, 536, 354};
    if (fullScreen) {
        style = WS_POPUP;
        place = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    } else {
        AdjustWindowRect(&place, style, FALSE);
        OffsetRect(&place, -place.left, -place.top);
    }
    const HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"Bare Win32 Window", style, place.left, place.top,
        place.right, place.bottom, nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
