#pragma once
// A window's timer: its ticks reach the presenter like the window's other
// events, and stop with the window.
#include "platform/qt/windows/form_widget.h"

#include <QPointer>
#include <QTimer>

namespace hv::qt {

class QtTimer : public hv::Timer {
public:
    QtTimer(FormWidget* owner, const TimerDesign& design);
    ~QtTimer() override;
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

private:
    QPointer<QTimer> timer_;
    TimerDesign design_;
    bool enabled_ = false;
};

} // namespace hv::qt
