#pragma once
// The view of a window of the Qt front-end: the presenter's hold on its
// top-level widget, its controls and timers.
#include "platform/qt/windows/form_widget.h"
#include "platform/window.h"
#include "windows/form_rules.h"

#include <QCursor>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hv::qt {

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
    TextField& addTextBox(const ControlDesign& design) override;
    SkinFramework& addSkinFramework() override;
    void setCaption(const std::string& caption) override { widget_->setWindowTitle(QString::fromStdString(caption)); }
    void setMouseIcon(const std::string& path) override;
    Canvas& canvas() override { return widget_->canvas(); }
    void setApplicationIcon() override;
    void setBackColor(Colour colour) override { widget_->setBackColor(colour); }
    Colour backColor() const override { return widget_->backColor(); }
    void setMousePointer(MousePointer pointer) override;
    MousePointer mousePointer() const override { return pointer_; }
    bool iconic() const override { return widget_->isMinimized(); }
    std::string monitor() const override;
    void show() override;
    void hide() override { widget_->hide(); }
    void close() override;

    FormWidget* widget() { return widget_; }

private:
    template <typename T, typename Design>
    T& add(const Design& design);
    // The frame a control names as its parent, else the window.
    QWidget* parentOf(const std::string& parent, const std::string& control) const;
    void prepareFirstShow();

    WindowDesign design_;
    QPointer<FormWidget> widget_;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> mouseIcon_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<TabStop<QWidget*>> tabStops_;
    std::vector<std::unique_ptr<hv::Timer>> timers_;
    std::vector<std::unique_ptr<SkinFramework>> skins_;
    bool shownBefore_ = false;
    // A full-screen window keeps to its monitor's geometry.
    QMetaObject::Connection followScreen_;
};

class QtWindowFactory : public WindowFactory {
public:
    std::unique_ptr<WindowView> createWindow(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner) override
    {
        return std::make_unique<QtWindowView>(design, std::move(events), std::move(owner));
    }
};

} // namespace hv::qt
