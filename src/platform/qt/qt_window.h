#pragma once
// Windows of the Qt front-end: a top-level widget per presenter window,
// its controls and timers, and an off-screen image of the client area that
// the presenter draws into and the widget shows.
#include "platform/qt/image_canvas.h"
#include "platform/window.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace hv::qt {

QFont toQFont(const FontDesign& font);
inline int toPixels(int twips) { return twips / kTwipsPerPixel; }

class FormWidget : public QWidget {
public:
    FormWidget(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner);

    ImageCanvas& canvas() { return canvas_; }
    void setBackColor(Colour colour);
    Colour backColor() const { return backColor_; }
    // Every handler of the window, its controls and timers is called here:
    // with the presenter alive for the whole call, and never once the
    // window is closed. Errors that a handler lets through are told on
    // stderr.
    void deliver(const std::function<void()>& handler);
    // The window is closed: no handler runs any more.
    void detach() { owner_.reset(); }
    // The mouse moving over the control is reported to onMouseMove.
    void reportMouseMoves(QWidget* control, std::function<void()> onMouseMove);
    // Tab moves the focus along these controls; without any, Tab is a key
    // like the others for the window's own key handler.
    void setTabOrder(const std::vector<QWidget*>& controls);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override { return tabNavigation_ && QWidget::focusNextPrevChild(next); }

private:
    void schedulePresent();
    void present();

    // Kept for the widget's whole life, which may be longer than the
    // presenter's: the handlers are called only while owner_ locks.
    const WindowEvents events_;
    std::weak_ptr<void> owner_;
    Colour backColor_;
    ImageCanvas canvas_;
    bool presentPending_ = false;
    bool tabNavigation_ = false;
};

class QtWindowView : public WindowView {
public:
    QtWindowView(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner);
    ~QtWindowView() override;

    Control& addLabel(const LabelDesign& design) override;
    hv::Timer& addTimer(const TimerDesign& design) override;
    Control& addFrame(const ControlDesign& design) override;
    CheckBox& addCheckBox(const ControlDesign& design) override;
    ComboBox& addComboBox(const ControlDesign& design) override;
    Control& addPushButton(const ControlDesign& design) override;
    Control& addTextBox(const ControlDesign& design) override;
    SkinFramework& addSkinFramework(const std::string& name) override;
    void setCaption(const std::string& caption) override { widget_->setWindowTitle(QString::fromStdString(caption)); }
    void setMouseIcon(const std::string& path) override;
    bool visible() const override { return widget_ && widget_->isVisible(); }
    Canvas& canvas() override { return widget_->canvas(); }
    void setApplicationIcon() override;
    void setBackColor(Colour colour) override { widget_->setBackColor(colour); }
    Colour backColor() const override { return widget_->backColor(); }
    void setMousePointer(MousePointer pointer) override;
    MousePointer mousePointer() const override { return pointer_; }
    bool iconic() const override { return widget_->isMinimized(); }
    void show() override;
    void hide() override { widget_->hide(); }
    void close() override;

    FormWidget* widget() { return widget_; }

private:
    struct TabStop {
        int tabIndex;
        QWidget* widget;
    };

    template <typename T>
    T& add(const ControlDesign& design);
    // The frame a control names as its parent, else the window.
    QWidget* parentOf(const std::string& parent, const std::string& control) const;
    void prepareFirstShow();

    WindowDesign design_;
    QPointer<FormWidget> widget_;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> mouseIcon_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<TabStop> tabStops_;
    std::vector<std::unique_ptr<hv::Timer>> timers_;
    std::vector<std::unique_ptr<SkinFramework>> skins_;
    bool shownBefore_ = false;
};

class QtWindowFactory : public WindowFactory {
public:
    std::unique_ptr<WindowView> createWindow(const WindowDesign& design, WindowEvents events,
                                             std::weak_ptr<void> owner) override
    {
        return std::make_unique<QtWindowView>(design, std::move(events), std::move(owner));
    }
};

} // namespace hv::qt
