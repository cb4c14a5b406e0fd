// The keep-awake tick's right Shift, through the system's input stream, to
// the window that has the keyboard focus, and the execution state held
// while the clock shows.
#include "platform/win32/session/win32_system_input.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace hv::win32 {
namespace {

struct Key {
    UINT message;
    WPARAM virtualKey;
    UINT scanCode;
    bool operator==(const Key&) const = default;
};

std::vector<Key> heard;

LRESULT CALLBACK listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN || message == WM_KEYUP)
        heard.push_back({message, wParam, static_cast<UINT>((lParam >> 16) & 0xFF)});
    return DefWindowProcW(window, message, wParam, lParam);
}

void pumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

TEST(KeepAwakeTest, RightShiftReachesTheFocusedWindow)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = listen;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HoravistaInputTest";
    ASSERT_NE(RegisterClassW(&windowClass), 0);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"input", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
        300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetFocus(window);
    pumpFor(200);
    ASSERT_EQ(GetFocus(), window);

    Win32KeepAwake awake;
    awake.pressKey();
    awake.releaseKey();
    awake.resetIdle();
    pumpFor(300);

    // A window hears Shift as the one key, told apart by its scan code:
    // right Shift's in scan-code set 1.
    EXPECT_EQ(heard, (std::vector<Key>{{WM_KEYDOWN, VK_SHIFT, 0x36}, {WM_KEYUP, VK_SHIFT, 0x36}}));
    DestroyWindow(window);
}

TEST(KeepAwakeTest, HoldingKeepsTheDisplayOnUntilReleased)
{
    // Windows answers a new execution state with the one it replaces.
    Win32KeepAwake awake;
    awake.hold(true);
    const EXECUTION_STATE held = SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED);
    awake.hold(false);
    const EXECUTION_STATE released = SetThreadExecutionState(ES_CONTINUOUS);
    EXPECT_EQ(held, static_cast<EXECUTION_STATE>(ES_CONTINUOUS | ES_DISPLAY_REQUIRED));
    EXPECT_EQ(released, static_cast<EXECUTION_STATE>(ES_CONTINUOUS));
}

} // namespace
} // namespace hv::win32
