#include "platform/win32/windows/win32_monitors.h"

#include "platform/win32/wide_text.h"

namespace hv::win32 {

namespace {

MONITORINFOEXW infoOf(HMONITOR monitor)
{
    MONITORINFOEXW info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
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

std::vector<Monitor> Win32Monitors::list() const
{
    std::vector<Monitor> monitors;
    forEachMonitor([&](HMONITOR handle) {
        const MONITORINFOEXW info = infoOf(handle);
        const RECT& r = info.rcMonitor;
        Monitor monitor{narrow(info.szDevice), r.left, r.top, r.right - r.left, r.bottom - r.top, 96};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            monitors.insert(monitors.begin(), monitor);
        else
            monitors.push_back(monitor);
    });
    return monitors;
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
