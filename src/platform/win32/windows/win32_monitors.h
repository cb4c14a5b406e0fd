#pragma once
// The monitors as Windows enumerates them: a monitor's device name is its id.
#include "platform/monitors.h"

#include <windows.h>

namespace hv::win32 {

class Win32Monitors : public Monitors {
public:
    std::vector<Monitor> list() const override;
    void onChange(std::function<void()> changed) override { changed_ = std::move(changed); }

private:
    std::function<void()> changed_;
};

// The id of the monitor that holds most of window, and the monitor with
// this id (null when none has it).
std::string monitorIdOf(HWND window);
HMONITOR monitorWithId(const std::string& id);

} // namespace hv::win32
