#pragma once
// The monitors as Qt's screens: a screen's name is its id.
#include "platform/monitors.h"

#include <QObject>

namespace hv::qt {

class QtMonitors : public Monitors {
public:
    std::vector<Monitor> list() const override;
    void onChange(std::function<void()> changed) override;

private:
    QObject watcher_;
};

} // namespace hv::qt
