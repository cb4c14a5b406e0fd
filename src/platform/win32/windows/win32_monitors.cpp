#include "platform/win32/windows/win32_monitors.h"

#include "platform/win32/wide_text.h"

#include <shellscalingapi.h>

namespace hv::win32 {

namespace {

constexpr wchar_t kListenerClass[] = L"HoravistaMonitors";
// Windows sends its display changes in a burst; the monitors are listed
// again only once it has been quiet this long.
constexpr UINT kSettleMs = 300;
constexpr UINT_PTR kSettleTimer = 1;

MONITORINFOEXW infoOf(HMONITOR monitor)
{
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

int dpiOf(HMONITOR monitor)
{
    UINT x = USER_DEFAULT_SCREEN_DPI, y = USER_DEFAULT_SCREEN_DPI;
    if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y)))
        return USER_DEFAULT_SCREEN_DPI;
    return static_cast<int>(y);
}

template <typename Visit>
void forEachMonitor(Visit visit)
{
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            (*reinterpret_cast<Visit*>(data))(monitor);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visit));
}

} // namespace

Win32Monitors::~Win32Monitors()
{
    if (listener_)
        DestroyWindow(listener_);
}

std::vector<Monitor> Win32Monitors::list() const
{
    std::vector<Monitor> monitors;
    forEachMonitor([&](HMONITOR handle) {
        const MONITORINFOEXW info = infoOf(handle);
        const RECT& r = info.rcMonitor;
        Monitor monitor{narrow(info.szDevice), r.left, r.top, r.right - r.left, r.bottom - r.top, dpiOf(handle)};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            monitors.insert(monitors.begin(), monitor);
        else
            monitors.push_back(monitor);
    });
    return monitors;
}

void Win32Monitors::onChange(std::function<void()> changed)
{
    changed_ = std::move(changed);
    if (listener_)
        return;
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &Win32Monitors::listenerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kListenerClass;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
    // Top-level, since a message-only window hears no broadcast; never shown.
    listener_ = CreateWindowExW(
        0, kListenerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(listener_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK Win32Monitors::listenerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32Monitors*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == WM_DISPLAYCHANGE) {
        SetTimer(hwnd, kSettleTimer, kSettleMs, nullptr);
        return 0;
    }
    if (self && message == WM_TIMER && wParam == kSettleTimer) {
        KillTimer(hwnd, kSettleTimer);
        if (self->changed_)
            self->changed_();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::string monitorIdOf(HWND window)
{
    return narrow(infoOf(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY)).szDevice);
}

HMONITOR monitorWithId(const std::string& id)
{
    HMONITOR found = nullptr;
    forEachMonitor([&](HMONITOR handle) {
        if (!found && narrow(infoOf(handle).szDevice) == id)
            found = handle;
    });
    return found;
}

} // namespace hv::win32
