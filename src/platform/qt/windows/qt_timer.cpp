#include "platform/qt/windows/qt_timer.h"

namespace hv::qt {

QtTimer::QtTimer(FormWidget* owner, const TimerDesign& design)
    : timer_(new QTimer(owner))
    , design_(design)
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(static_cast<bool>(design.nextDelayMs));
    QObject::connect(timer_, &QTimer::timeout, owner, [this, owner] {
        if (design_.nextDelayMs)
            timer_->start(design_.nextDelayMs(false));
        // The tick may unload the window and this timer with it: after
        // the call nothing of this object is touched.
        owner->deliver(design_.onTimer);
    });
    setEnabled(design.enabled);
}

QtTimer::~QtTimer()
{
    if (timer_) {
        timer_->stop();
        timer_->disconnect();
    }
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (!enabled)
        timer_->stop();
    else
        timer_->start(design_.nextDelayMs ? design_.nextDelayMs(true) : design_.intervalMs);
}

} // namespace hv::qt
