#include "platform/qt/windows/qt_window.h"

#include "platform/qt/windows/host_window.h"
#include "platform/qt/windows/qt_controls.h"
#include "platform/qt/windows/qt_cursor.h"
#include "platform/qt/windows/qt_skin.h"
#include "platform/qt/windows/qt_timer.h"
#include "windows/form_rules.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>

#include <stdexcept>
#include <utility>

namespace hv::qt {

namespace {

// The screen a new window opens on: the one its design names, else that
// of a window the program already shows, else the primary screen.
QScreen* screenForNewWindow(const QWidget* self, const std::string& monitor)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (!monitor.empty() && screen->name().toStdString() == monitor)
            return screen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != self && w->isVisible() && w->screen())
            return w->screen();
    return QGuiApplication::primaryScreen();
}

// Hands the window's onShown to the event loop after its first paint.
class FirstPaint : public QObject {
public:
    FirstPaint(FormWidget* form, std::function<void()> then)
        : QObject(form)
        , form_(form)
        , then_(std::move(then))
    {
        form->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == form_ && event->type() == QEvent::Paint) {
            form_->removeEventFilter(this);
            // Queued, so that the paint reaches the screen first.
            QMetaObject::invokeMethod(
                form_, [form = form_, then = std::move(then_)] { form->deliver(then); }, Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    FormWidget* form_;
    std::function<void()> then_;
};

// The window's widget, with its onShown left to the first paint.
FormWidget* newForm(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
{
    std::function<void()> onShown = std::exchange(events.onShown, {});
    auto* form = new FormWidget(design, std::move(events), std::move(owner));
    if (onShown)
        new FirstPaint(form, std::move(onShown));
    return form;
}

} // namespace

QtWindowView::QtWindowView(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
    : design_(design)
    , widget_(newForm(design, std::move(events), std::move(owner)))
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

QWidget* QtWindowView::parentOf(const std::string& parent, const std::string& control) const
{
    if (parent.empty())
        return widget_;
    // A frame's children are placed from its outer corner, where the
    // group box's own coordinates start too.
    if (auto* frame = widget_->findChild<QGroupBox*>(QString::fromStdString(parent)))
        return frame;
    throw std::logic_error("no frame " + parent + " for " + control);
}

template <typename T, typename Design>
T& QtWindowView::add(const Design& design)
{
    auto control = std::make_unique<T>(parentOf(design.parent, design.name), design, *widget_);
    T& added = *control;
    if constexpr (requires { design.tabIndex; })
        if (added.widget()->focusPolicy() & Qt::TabFocus)
            tabStops_.push_back({design.tabIndex, added.widget()});
    controls_.push_back(std::move(control));
    return added;
}

Control& QtWindowView::addLabel(const LabelDesign& design) { return add<QtLabel>(design); }
Control& QtWindowView::addFrame(const ControlDesign& design) { return add<QtFrame>(design); }
CheckBox& QtWindowView::addCheckBox(const ControlDesign& design) { return add<QtCheckBox>(design); }
ComboBox& QtWindowView::addComboBox(const ControlDesign& design) { return add<QtComboBox>(design); }
Control& QtWindowView::addPushButton(const ControlDesign& design) { return add<QtPushButton>(design); }
TextField& QtWindowView::addTextBox(const ControlDesign& design) { return add<QtTextBox>(design); }

SkinFramework& QtWindowView::addSkinFramework()
{
    skins_.push_back(std::make_unique<QtSkinFramework>());
    return *skins_.back();
}

hv::Timer& QtWindowView::addTimer(const TimerDesign& design)
{
    timers_.push_back(std::make_unique<QtTimer>(widget_, design));
    return *timers_.back();
}

void QtWindowView::setApplicationIcon() { widget_->setWindowIcon(QApplication::windowIcon()); }

void QtWindowView::setMouseIcon(const std::string& path)
{
    mouseIcon_ = readCursorFile(path);
    if (pointer_ == MousePointer::Custom)
        setMousePointer(pointer_);
}

void QtWindowView::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    if (pointer == MousePointer::Hidden) {
        widget_->setCursor(Qt::BlankCursor);
        return;
    }
    // Set on the window, the pointer holds over its controls too: none of
    // them sets one of its own.
    switch (pointerShapeOf(pointer, mouseIcon_.has_value())) {
    case PointerShape::Wait: widget_->setCursor(Qt::WaitCursor); break;
    case PointerShape::Hand: widget_->setCursor(Qt::PointingHandCursor); break;
    case PointerShape::MouseIcon: widget_->setCursor(*mouseIcon_); break;
    case PointerShape::Inherited: widget_->unsetCursor(); break;
    }
}

void QtWindowView::prepareFirstShow()
{
    const std::vector<QWidget*> order = inTabOrder(tabStops_);
    widget_->setTabOrder(order);
    if (!order.empty())
        order.front()->setFocus();

    if (design_.centred) {
        if (QScreen* screen = screenForNewWindow(widget_, design_.monitor)) {
            widget_->setScreen(screen);
            const QRect area = screen->availableGeometry();
            const PixelPoint at
                = centredIn({area.x(), area.y(), area.width(), area.height()}, widget_->width(), widget_->height());
            widget_->move(at.x, at.y);
        }
    }
}

std::string QtWindowView::monitor() const
{
    const QScreen* screen = widget_->screen();
    return screen ? screen->name().toStdString() : std::string();
}

void QtWindowView::show()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        prepareFirstShow();
        if (design_.host)
            new HostWindow(design_.host, *widget_);
    }
    if (design_.host) {
        // Inside another program's window, which decides what is in front.
        widget_->show();
        widget_->setFocus();
        return;
    }
    if (design_.maximized) {
        // Without a window manager a full-screen request alone leaves the
        // window at its default size: place it on its screen first.
        if (QScreen* screen = screenForNewWindow(widget_, design_.monitor)) {
            widget_->setScreen(screen);
            widget_->setGeometry(screen->geometry());
            // Nor does it follow its monitor's new size by itself.
            QObject::disconnect(followScreen_);
            followScreen_ = QObject::connect(
                screen, &QScreen::geometryChanged, widget_, [widget = widget_.data(), screen](const QRect& r) {
                    if (widget->screen() == screen)
                        widget->setGeometry(r);
                });
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
