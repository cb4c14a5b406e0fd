#include "platform/qt/qt_window.h"

#include "clock/tick_phase.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_keys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <cstdio>
#include <exception>

namespace hv::qt {

namespace {

int pixels(int twips) { return twips / kTwipsPerPixel; }

QString qs(const std::string& text) { return QString::fromStdString(text); }

void fillBackground(QWidget& widget, Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// The screen a new window opens on: that of a window the program already
// shows, else the primary screen.
QScreen* screenForNewWindow(const QWidget* self)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != self && w->isVisible() && w->screen())
            return w->screen();
    return QGuiApplication::primaryScreen();
}

class QtLabel : public Control {
public:
    QtLabel(QWidget* parent, const LabelDesign& design) : label_(new QLabel(qs(design.caption), parent)), rect_(design.rect)
    {
        label_->setFont(toQFont(design.font));
        label_->setWordWrap(design.wordWrap);
        label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = label_->palette();
        palette.setColor(QPalette::WindowText, toQColor(design.foreColor));
        label_->setPalette(palette);
        setBackColor(design.backColor);
        place();
    }
    void setVisible(bool visible) override { visible_ = visible; label_->setVisible(visible); }
    bool visible() const override { return visible_; }
    void setWidth(int twips) override { rect_.width = twips; place(); }
    int width() const override { return rect_.width; }
    void setHeight(int twips) override { rect_.height = twips; place(); }
    int height() const override { return rect_.height; }
    void setBackColor(Colour colour) override
    {
        backColor_ = colour;
        fillBackground(*label_, colour);
    }
    Colour backColor() const override { return backColor_; }

private:
    void place() { label_->setGeometry(pixels(rect_.left), pixels(rect_.top), pixels(rect_.width), pixels(rect_.height)); }

    QPointer<QLabel> label_;
    TwipRect rect_;
    bool visible_ = true;
    Colour backColor_ = kWhite;
};

class QtTimer : public hv::Timer {
public:
    QtTimer(FormWidget* owner, const TimerDesign& design) : timer_(new QTimer(owner)), design_(design)
    {
        timer_->setTimerType(Qt::PreciseTimer);
        timer_->setSingleShot(design.onWholeSeconds);
        QObject::connect(timer_, &QTimer::timeout, owner, [this, owner, name = design.name] {
            if (design_.onWholeSeconds)
                arm(kNextTickGapMs);
            // The tick may unload the window and this timer with it: after
            // the call nothing of this object is touched.
            owner->dispatch([&name](WindowEvents& events) { events.onTimer(name); });
        });
        setEnabled(design.enabled);
    }
    ~QtTimer() override
    {
        if (timer_) {
            timer_->stop();
            timer_->disconnect();
        }
    }
    void setEnabled(bool enabled) override
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
    bool enabled() const override { return enabled_; }

private:
    void arm(int minGapMs)
    {
        timer_->start(static_cast<int>(msToNextWholeSecond(QDateTime::currentMSecsSinceEpoch(), minGapMs)));
    }

    QPointer<QTimer> timer_;
    TimerDesign design_;
    bool enabled_ = false;
};

} // namespace

QFont toQFont(const FontDesign& font)
{
    QFont qfont(qs(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

FormWidget::FormWidget(const WindowDesign& design, std::weak_ptr<WindowEvents> events)
    : events_(std::move(events)), backColor_(design.backColor), canvas_(toQFont(design.font))
{
    setObjectName(qs(design.name));
    setFont(toQFont(design.font));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (design.borderless)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    fillBackground(*this, backColor_);
    canvas_.setOnDrawn([this] { schedulePresent(); });
}

void FormWidget::setBackColor(Colour colour)
{
    backColor_ = colour;
    fillBackground(*this, colour);
}

void FormWidget::dispatch(const std::function<void(WindowEvents&)>& fn)
{
    auto events = events_.lock();
    if (!events)
        return;
    try {
        fn(*events);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "horavista: %s: %s\n", qPrintable(objectName()), e.what());
    }
}

void FormWidget::schedulePresent()
{
    if (presentPending_)
        return;
    presentPending_ = true;
    // Shown once the handler that draws has returned, so a frame appears
    // whole.
    QMetaObject::invokeMethod(this, [this] { present(); }, Qt::QueuedConnection);
}

void FormWidget::present()
{
    presentPending_ = false;
    const QRegion changes = canvas_.takeChanges();
    if (!changes.isEmpty())
        update(changes);
}

void FormWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QImage& image = canvas_.image();
    if (image.isNull()) {
        painter.fillRect(event->rect(), toQColor(backColor_));
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    for (const QRect& r : event->region())
        painter.drawImage(r, image, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

void FormWidget::resizeEvent(QResizeEvent*)
{
    canvas_.resize(size(), devicePixelRatioF(), backColor_);
    dispatch([](WindowEvents& events) { events.onResize(); });
}

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    std::int16_t keyCode = virtualKeyOf(event->key());
    const std::int16_t shift = shiftStateOf(static_cast<int>(event->modifiers()));
    dispatch([&](WindowEvents& events) { events.onKeyDown(keyCode, shift); });
}

void FormWidget::mouseMoveEvent(QMouseEvent*)
{
    dispatch([](WindowEvents& events) { events.onMouseMove(""); });
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    // The presenter decides; it unloads the window itself.
    event->ignore();
    dispatch([](WindowEvents& events) { events.onCloseRequest(); });
}

QtWindowView::QtWindowView(const WindowDesign& design, std::weak_ptr<WindowEvents> events)
    : design_(design), widget_(new FormWidget(design, std::move(events)))
{
}

QtWindowView::~QtWindowView()
{
    timers_.clear();
    controls_.clear();
    if (widget_) {
        widget_->detach();
        widget_->hide();
        // A handler of this widget may still be on the stack.
        widget_->deleteLater();
    }
}

Control& QtWindowView::addLabel(const LabelDesign& design)
{
    controls_.push_back(std::make_unique<QtLabel>(widget_, design));
    return *controls_.back();
}

hv::Timer& QtWindowView::addTimer(const TimerDesign& design)
{
    timers_.push_back(std::make_unique<QtTimer>(widget_, design));
    return *timers_.back();
}

void QtWindowView::setApplicationIcon()
{
    widget_->setWindowIcon(QApplication::windowIcon());
}

void QtWindowView::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    switch (pointer) {
    case MousePointer::Hourglass: widget_->setCursor(Qt::WaitCursor); break;
    case MousePointer::Custom: widget_->setCursor(Qt::PointingHandCursor); break;
    default: widget_->unsetCursor(); break;
    }
}

void QtWindowView::show()
{
    if (design_.maximized) {
        // Without a window manager a full-screen request alone leaves the
        // window at its default size: place it on its screen first.
        if (QScreen* screen = screenForNewWindow(widget_)) {
            widget_->setScreen(screen);
            widget_->setGeometry(screen->geometry());
        }
        widget_->showFullScreen();
    } else {
        widget_->show();
    }
    widget_->raise();
    widget_->activateWindow();
    widget_->setFocus();
}

void QtWindowView::close()
{
    for (auto& timer : timers_)
        timer->setEnabled(false);
    widget_->detach();
    widget_->hide();
}

} // namespace hv::qt
