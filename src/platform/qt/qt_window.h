#pragma once
// Windows of the Qt front-end: a top-level widget per presenter window,
// its labels and timers, and an off-screen image of the client area that
// the presenter draws into and the widget shows.
#include "platform/qt/image_canvas.h"
#include "platform/window.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <memory>
#include <vector>

namespace hv::qt {

QFont toQFont(const FontDesign& font);

class FormWidget : public QWidget {
public:
    FormWidget(const WindowDesign& design, std::weak_ptr<WindowEvents> events);

    ImageCanvas& canvas() { return canvas_; }
    void setBackColor(Colour colour);
    Colour backColor() const { return backColor_; }
    // Runs fn with the presenter alive for the whole call; nothing after
    // closing. Errors that a handler lets through are told on stderr.
    void dispatch(const std::function<void(WindowEvents&)>& fn);
    void detach() { events_.reset(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void schedulePresent();
    void present();

    std::weak_ptr<WindowEvents> events_;
    Colour backColor_;
    ImageCanvas canvas_;
    bool presentPending_ = false;
};

class QtWindowView : public WindowView {
public:
    QtWindowView(const WindowDesign& design, std::weak_ptr<WindowEvents> events);
    ~QtWindowView() override;

    Control& addLabel(const LabelDesign& design) override;
    hv::Timer& addTimer(const TimerDesign& design) override;
    // Placeholders until the options window's controls are built.
    Control& addFrame(const ControlDesign&) override { throw std::logic_error("frame"); }
    CheckBox& addCheckBox(const ControlDesign&) override { throw std::logic_error("check box"); }
    ComboBox& addComboBox(const ControlDesign&) override { throw std::logic_error("list"); }
    Control& addPushButton(const ControlDesign&) override { throw std::logic_error("button"); }
    SkinFramework& addSkinFramework(const std::string&) override { throw std::logic_error("skin"); }
    void setCaption(const std::string& caption) override { widget_->setWindowTitle(QString::fromStdString(caption)); }
    void setMouseIcon(const std::string&) override { throw std::logic_error("mouse icon"); }
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
    WindowDesign design_;
    QPointer<FormWidget> widget_;
    MousePointer pointer_ = MousePointer::Default;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<hv::Timer>> timers_;
};

class QtWindowFactory : public WindowFactory {
public:
    std::unique_ptr<WindowView> createWindow(const WindowDesign& design, std::weak_ptr<WindowEvents> events) override
    {
        return std::make_unique<QtWindowView>(design, std::move(events));
    }
};

} // namespace hv::qt
