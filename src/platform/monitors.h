#pragma once
// The monitors the desktop spans: where each lies and how dense its
// pixels are, and word when one is plugged in or removed.
#include <functional>
#include <string>
#include <vector>

namespace hv {

struct Monitor {
    // The platform's name for the monitor, the same while it stays plugged in.
    std::string id;
    // Pixels of the desktop.
    int left = 0, top = 0, width = 0, height = 0;
    int dpi = 96;
};

class Monitors {
public:
    virtual ~Monitors() = default;
    // The primary monitor first.
    virtual std::vector<Monitor> list() const = 0;
    // changed runs after a monitor is plugged in or removed, from the event
    // loop. A window on a monitor that changes size or density follows it
    // by itself and reports its resize.
    virtual void onChange(std::function<void()> changed) = 0;
};

} // namespace hv
