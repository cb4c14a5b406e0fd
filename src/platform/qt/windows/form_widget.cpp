#include "platform/qt/windows/form_widget.h"

#include "platform/qt/drawing/qt_colour.h"
#include "platform/qt/windows/qt_keys.h"
#include "windows/form_rules.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace hv::qt {

namespace {

void fillBackground(QWidget& widget, Colour colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Reports the mouse moving over one control. A child of the control's
// widget, it lives as long as the widget does.
class MouseMoveReport : public QObject {
public:
    MouseMoveReport(QWidget* control, FormWidget& form, std::function<void()> onMouseMove)
        : QObject(control)
        , form_(form)
        , onMouseMove_(std::move(onMouseMove))
    {
    }

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

// The part of the window to repaint: whole tiles around what changed. The
// canvas tells a change as bands a few rows high that hug each hand, a
// hundred and more rectangles a frame; the paint path then works rectangle
// by rectangle, and the heap it churned through grew for hours. In tiles
// the region is a few rectangles, for a little more painting. A change
// spread round the dial (its ring, moved or recoloured once a minute)
// takes larger tiles, until they are few again.
QRegion inTiles(const QRegion& changes)
{
    constexpr int kMostRects = 24;
    for (int tile = 32;; tile *= 2) {
        const int mask = tile - 1;
        QRegion tiles;
        for (const QRect& r : changes)
            tiles += QRect(QPoint(r.left() & ~mask, r.top() & ~mask), QPoint(r.right() | mask, r.bottom() | mask));
        if (tiles.rectCount() <= kMostRects)
            return tiles;
    }
}

QFont toQFont(const FontDesign& font)
{
    QFont qfont(QString::fromStdString(font.face));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

FormWidget::FormWidget(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
    : events_(std::move(events))
    , owner_(std::move(owner))
    , backColor_(design.backColor)
    , canvas_(toQFont(design.font))
{
    setObjectName(QString::fromStdString(design.name));
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
    deliverWhileOwned(owner_, objectName().toStdString(), handler);
}

void FormWidget::schedulePresent()
{
    if (presentPending_)
        return;
    presentPending_ = true;
    // Shown once the handler that draws has returned, so a frame appears
    // whole.
    QMetaObject::invokeMethod(
        this, [this] { present(); }, Qt::QueuedConnection);
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
    canvas_.paint(painter, event->region());
}

void FormWidget::resizeEvent(QResizeEvent*)
{
    canvas_.resize(size(), backColor_);
    deliver(events_.onResize);
}

void FormWidget::keyPressEvent(QKeyEvent* event)
{
    std::int16_t keyCode = virtualKeyOf(*event);
    const std::int16_t shift = shiftStateOf(static_cast<int>(event->modifiers()));
    if (events_.onKeyDown)
        deliver([&] { events_.onKeyDown(keyCode, shift); });
}

void FormWidget::mouseMoveEvent(QMouseEvent* event)
{
    deliver(events_.onMouseMove);
    if (events_.onPointerAt) {
        const QPoint at = event->globalPosition().toPoint();
        deliver([&] { events_.onPointerAt(at.x(), at.y()); });
    }
}

void FormWidget::mousePressEvent(QMouseEvent*) { deliver(events_.onMouseDown); }

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

} // namespace hv::qt
