#pragma once
// The monitors as Windows enumerates them: a monitor's device name is its id.
#include "platform/monitors.h"

#include <windows.h>

namespace hv::win32 {

class Win32Monitors : public Monitors {
public:
    Win32Monitors() = default;
    Win32Monitors(const Win32Monitors&) = delete;
    Win32Monitors& operator=(const Win32Monitors&) = delete;
    ~Win32Monitors() override;

    std::vector<Monitor> list() const override;
    // Windows tells every top-level window of a change of the displays,
    // several times for one plug-in: a hidden window of its own hears them
    // and, once they have settled, runs changed once.
    void onChange(std::function<void()> changed) override;

private:
    static LRESULT CALLBACK listenerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::function<void()> changed_;
    HWND listener_ = nullptr;
};

// The id of the monitor that holds most of window, and the monitor with
// this id (null when none has it).
std::string monitorIdOf(HWND window);
HMONITOR monitorWithId(const std::string& id);

} // namespace hv::win32
