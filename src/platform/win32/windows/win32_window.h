#pragma once
// The view of a window of the Windows front-end: the presenter's hold on
// its top-level window, its controls and timers.
#include "platform/win32/windows/form_window.h"
#include "platform/window.h"

#include <memory>
#include <string>
#include <vector>

namespace hv::win32 {

class Win32WindowView : public WindowView {
public:
    Win32WindowView(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner, const std::string& programName);
    Win32WindowView(const Win32WindowView&) = delete;
    Win32WindowView& operator=(const Win32WindowView&) = delete;
    ~Win32WindowView() override;

    Control& addLabel(const LabelDesign& design) override;
    hv::Timer& addTimer(const TimerDesign& design) override;
    Control& addFrame(const ControlDesign& design) override;
    CheckBox& addCheckBox(const ControlDesign& design) override;
    ComboBox& addComboBox(const ControlDesign& design) override;
    Control& addPushButton(const ControlDesign& design) override;
    TextField& addTextBox(const ControlDesign& design) override;
    SkinFramework& addSkinFramework() override;
    Canvas& canvas() override { return form_->canvas(); }
    void setApplicationIcon() override;
    void setCaption(const std::string& caption) override;
    void setBackColor(Colour colour) override { form_->setBackColor(colour); }
    Colour backColor() const override { return form_->backColor(); }
    void setMouseIcon(const std::string& path) override;
    void setMousePointer(MousePointer pointer) override;
    MousePointer mousePointer() const override { return pointer_; }
    bool iconic() const override { return IsIconic(form_->hwnd()) != FALSE; }
    std::string monitor() const override;
    void show() override;
    void hide() override;
    void close() override;

    HWND hwnd() const { return form_->hwnd(); }

private:
    struct FrameCorner {
        std::string name;
        int left;
        int top;
    };

    template <typename T, typename Design>
    T& add(const Design& design);
    void prepareFirstShow();

    std::shared_ptr<FormWindow> form_;
    MousePointer pointer_ = MousePointer::Default;
    std::vector<FrameCorner> frames_;
    std::vector<std::unique_ptr<SkinFramework>> skins_;
    bool shownBefore_ = false;
};

class Win32WindowFactory : public WindowFactory {
public:
    // Windows show programName until they set a caption of their own.
    explicit Win32WindowFactory(std::string programName)
        : programName_(std::move(programName))
    {
    }
    std::unique_ptr<WindowView> createWindow(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner) override
    {
        return std::make_unique<Win32WindowView>(design, std::move(events), std::move(owner), programName_);
    }

private:
    const std::string programName_;
};

} // namespace hv::win32
