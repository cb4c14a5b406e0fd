#include "platform/qt/qt_window.h"

#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_cursor.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_skin.h"
#include "platform/qt/qt_timer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace hv::qt {

namespace {

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

// The part of the window to repaint: whole tiles around what changed. The
// canvas tells a change as bands a few rows high that hug each hand, a
// hundred and more rectangles a frame; the paint path then works rectangle
// by rectangle, and the heap it churned through grew for hours. In tiles
// the region is a few rectangles, for a little more copying.
QRegion inTiles(const QRegion& changes)
{
    constexpr int kTileMask = 31;
    QRegion tiles;
    for (const QRect& r : changes)
        tiles += QRect(QPoint(r.left() & ~kTileMask, r.top() & ~kTileMask),
                       QPoint(r.right() | kTileMask, r.bottom() | kTileMask));
    return tiles;
}

// Reports the mouse moving over one control. A child of the control's
// widget, it lives as long as the widget does.
class MouseMoveReport : public QObject {
public:
    MouseMoveReport(QWidget* control, FormWidget& form, std::function<void()> onMouseMove)
        : QObject(control), form_(form), onMouseMove_(std::move(onMouseMove)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove)
            form_.deliver(onMouseMove_);
        return false;
    }

private:
    FormWidget& form_;
    const std::function<void()> onMouseMove_;
};

Qt::WindowFlags windowFlagsOf(const WindowDesign& design)
{
    if (design.borderless)
        return Qt::Window | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (design.minButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (design.maxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

} // namespace

QFont toQFont(const FontDesign& font)
{
    QFont qfont(qs(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

FormWidget::FormWidget(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
    : events_(std::move(events)), owner_(std::move(owner)), backColor_(design.backColor), canvas_(toQFont(design.font))
{
    setObjectName(qs(design.name));
    setFont(toQFont(design.font));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowFlags(windowFlagsOf(design));
    if (design.fixedSingle)
        setFixedSize(toPixels(design.client.width), toPixels(design.client.height));
    fillBackground(*this, backColor_);
    canvas_.setOnDrawn([this] { schedulePresent(); });
}

void FormWidget::setBackColor(Colour colour)
{
    backColor_ = colour;
    fillBackground(*this, colour);
}

void FormWidget::deliver(const std::function<void()>& handler)
{
    const auto presenter = owner_.lock();
    if (!presenter || !handler)
        return;
    try {
        handler();
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
        update(inTiles(changes));
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
    deliver(events_.onResize);
}

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    std::int16_t keyCode = virtualKeyOf(event->key());
    const std::int16_t shift = shiftStateOf(static_cast<int>(event->modifiers()));
    if (events_.onKeyDown)
        deliver([&] { events_.onKeyDown(keyCode, shift); });
}

void FormWidget::mouseMoveEvent(QMouseEvent*)
{
    deliver(events_.onMouseMove);
}

void FormWidget::reportMouseMoves(QWidget* control, std::function<void()> onMouseMove)
{
    control->setMouseTracking(true);
    control->installEventFilter(new MouseMoveReport(control, *this, std::move(onMouseMove)));
}

void FormWidget::setTabOrder(const std::vector<QWidget*>& controls)
{
    tabNavigation_ = !controls.empty();
    if (!tabNavigation_)
        return;
    // The focus rests on the controls, as on any window that has some.
    setFocusPolicy(Qt::NoFocus);
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    // The presenter decides; it unloads the window itself.
    event->ignore();
    deliver(events_.onCloseRequest);
}

QtWindowView::QtWindowView(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
    : design_(design), widget_(new FormWidget(design, std::move(events), std::move(owner)))
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
    controls_.push_back(std::make_unique<QtLabel>(parentOf(design.parent, design.name), design, *widget_));
    return *controls_.back();
}

QWidget* QtWindowView::parentOf(const std::string& parent, const std::string& control) const
{
    if (parent.empty())
        return widget_;
    // A frame's children are placed from its outer corner, where the
    // group box's own coordinates start too.
    if (auto* frame = widget_->findChild<QGroupBox*>(qs(parent)))
        return frame;
    throw std::logic_error("no frame " + parent + " for " + control);
}

template <typename T>
T& QtWindowView::add(const ControlDesign& design)
{
    auto control = std::make_unique<T>(parentOf(design.parent, design.name), design, *widget_);
    T& added = *control;
    if (added.widget()->focusPolicy() & Qt::TabFocus)
        tabStops_.push_back({design.tabIndex, added.widget()});
    controls_.push_back(std::move(control));
    return added;
}

Control& QtWindowView::addFrame(const ControlDesign& design) { return add<QtFrame>(design); }
CheckBox& QtWindowView::addCheckBox(const ControlDesign& design) { return add<QtCheckBox>(design); }
ComboBox& QtWindowView::addComboBox(const ControlDesign& design) { return add<QtComboBox>(design); }
Control& QtWindowView::addPushButton(const ControlDesign& design) { return add<QtPushButton>(design); }
Control& QtWindowView::addTextBox(const ControlDesign& design) { return add<QtTextBox>(design); }

SkinFramework& QtWindowView::addSkinFramework(const std::string&)
{
    skins_.push_back(std::make_unique<QtSkinFramework>());
    return *skins_.back();
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

void QtWindowView::setMouseIcon(const std::string& path)
{
    mouseIcon_ = readCursorFile(path);
    if (pointer_ == MousePointer::Custom)
        setMousePointer(pointer_);
}

void QtWindowView::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    // Set on the window, the pointer holds over its controls too: none of
    // them sets one of its own.
    switch (pointer) {
    case MousePointer::Hourglass: widget_->setCursor(Qt::WaitCursor); break;
    case MousePointer::Custom: widget_->setCursor(mouseIcon_.value_or(QCursor(Qt::PointingHandCursor))); break;
    default: widget_->unsetCursor(); break;
    }
}

void QtWindowView::prepareFirstShow()
{
    std::ranges::stable_sort(tabStops_, {}, &TabStop::tabIndex);
    std::vector<QWidget*> order;
    for (const TabStop& stop : tabStops_)
        order.push_back(stop.widget);
    widget_->setTabOrder(order);
    if (!order.empty())
        order.front()->setFocus();

    if (design_.centred) {
        if (QScreen* screen = screenForNewWindow(widget_)) {
            widget_->setScreen(screen);
            QRect frame(QPoint(), widget_->size());
            frame.moveCenter(screen->availableGeometry().center());
            widget_->move(frame.topLeft());
        }
    }
}

void QtWindowView::show()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        prepareFirstShow();
    }
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
    // A window with controls keeps the focus where the user left it.
    if (tabStops_.empty())
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
