#include "platform/qt/qt_timer.h"

#include "clock/tick_phase.h"

#include <QDateTime>

namespace hv::qt {

QtTimer::QtTimer(FormWidget* owner, const TimerDesign& design) : timer_(new QTimer(owner)), design_(design)
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(design.onWholeSeconds);
    QObject::connect(timer_, &QTimer::timeout, owner, [this, owner] {
        if (design_.onWholeSeconds)
            arm(kNextTickGapMs);
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
    else if (design_.onWholeSeconds)
        arm(kFirstTickGapMs);
    else
        timer_->start(design_.intervalMs);
}

void QtTimer::arm(int minGapMs)
{
    timer_->start(static_cast<int>(msToNextWholeSecond(QDateTime::currentMSecsSinceEpoch(), minGapMs)));
}

} // namespace hv::qt
