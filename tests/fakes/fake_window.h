#pragma once
// Fake windows: what each created window looked like and what happened to
// it, and events fired the way the front-end fires them: to the handlers
// the presenter declared, with the presenter locked for the call. A test
// names the control or timer an event is for.
#include "fakes/fake_controls.h"
#include "drawing/recording_canvas.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace hv::fakes {

// A client area whose size follows the window's resizes; the drawing calls
// are written down (9 by 19 pixels a character).
using FakeCanvas = RecordingCanvas;

// What one created window looked like and what happened to it. It outlives
// the view the presenter owns, so a test can look at a window after it was
// unloaded and destroyed.
struct FakeWindowState {
    WindowDesign design;
    WindowEvents events;
    std::weak_ptr<void> owner;
    Log* log = nullptr;

    FakeCanvas canvas{0, 0};
    std::vector<std::unique_ptr<FakeLabel>> labels;
    std::vector<std::unique_ptr<FakeTimer>> timers;
    std::vector<std::unique_ptr<FakeControl>> controls; // frames, boxes, lists, buttons in design order
    std::vector<std::unique_ptr<FakeSkinFramework>> skins;
    std::string caption;
    std::string mouseIcon;
    std::set<std::string> notPictures;
    bool refuseSkins = false;
    Colour backColor = kBlack;
    MousePointer pointer = MousePointer::Default;
    bool iconic = false;
    // The monitor the window is on: the one its design names, else the
    // fake's first.
    std::string monitor;
    bool iconSet = false;
    // Set, the window's first pixels reach the screen as it first shows;
    // else when the test calls reachScreen().
    bool onScreenAtOnce = true;
    bool reachedScreen = false;
    bool shown = false;
    bool hidden = false;
    bool closed = false;
    bool destroyed = false;

    FakeLabel& label(const std::string& name) const;
    FakeLabel* findLabel(const std::string& name) const;
    template <typename T = FakeControl>
    T& control(const std::string& name) const
    {
        for (const auto& c : controls)
            if (c->design.name == name)
                if (auto* t = dynamic_cast<T*>(c.get()))
                    return *t;
        throw std::logic_error("no control " + name);
    }
    FakeCheckBox& checkBox(const std::string& name) const { return control<FakeCheckBox>(name); }
    FakeComboBox& comboBox(const std::string& name) const { return control<FakeComboBox>(name); }
    FakeTextBox& textBox(const std::string& name) const { return control<FakeTextBox>(name); }
    FakeTimer& timer(const std::string& name) const;

    // Events, delivered like the front-end does them.
    void resize(int width, int height);
    // Returns the key code as the handler left it.
    std::int16_t keyDown(std::int16_t keyCode, std::int16_t shift = 0);
    void type(std::initializer_list<std::int16_t> keys);
    // Over the named control or label, or over the window's own surface.
    void mouseMove(const std::string& control = "");
    // A push button or label clicked; a check box or list reports its own
    // changes as clicks when its value is set.
    void click(const std::string& control);
    void closeRequest();
    // The window's first pixels on the screen: onShown, once.
    void reachScreen();
    // The pointer at x, y of the desktop, then a button pressed.
    void pointerAt(int x, int y);
    void mouseDown() { deliver(events.onMouseDown); }
    // A tick of an enabled timer.
    void tick(const std::string& timerName);

    // Runs a handler as the front-end does: not after the window was
    // unloaded, and with the presenter kept alive for the length of the
    // call.
    void deliver(const std::function<void()>& handler);
};

class FakeWindowView : public WindowView {
public:
    explicit FakeWindowView(std::shared_ptr<FakeWindowState> state)
        : s_(std::move(state))
    {
    }
    ~FakeWindowView() override { s_->destroyed = true; }

    Control& addLabel(const LabelDesign& design) override;
    Timer& addTimer(const TimerDesign& design) override;
    Control& addFrame(const ControlDesign& design) override { return add<FakeControl>(design); }
    CheckBox& addCheckBox(const ControlDesign& design) override { return add<FakeCheckBox>(design); }
    ComboBox& addComboBox(const ControlDesign& design) override { return add<FakeComboBox>(design); }
    Control& addPushButton(const ControlDesign& design) override { return add<FakeControl>(design); }
    TextField& addTextBox(const ControlDesign& design) override { return add<FakeTextBox>(design); }
    SkinFramework& addSkinFramework() override;
    Canvas& canvas() override { return s_->canvas; }
    void setApplicationIcon() override { s_->iconSet = true; }
    void setCaption(const std::string& caption) override { s_->caption = caption; }
    void setMouseIcon(const std::string& path) override;
    void setBackColor(Colour colour) override { s_->backColor = colour; }
    Colour backColor() const override { return s_->backColor; }
    void setMousePointer(MousePointer pointer) override { s_->pointer = pointer; }
    MousePointer mousePointer() const override { return s_->pointer; }
    bool iconic() const override { return s_->iconic; }
    std::string monitor() const override { return s_->monitor; }
    void show() override;
    void hide() override;
    void close() override;

private:
    template <typename T>
    T& add(const ControlDesign& design)
    {
        auto control = std::make_unique<T>(design, *s_);
        T& added = *control;
        s_->controls.push_back(std::move(control));
        return added;
    }

    std::shared_ptr<FakeWindowState> s_;
};

class FakeWindowFactory : public WindowFactory {
public:
    explicit FakeWindowFactory(Log& log)
        : log_(log)
    {
    }

    std::unique_ptr<WindowView> createWindow(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner) override;

    FakeWindowState& last() const { return *created.back(); }
    // The last window created under that name.
    FakeWindowState& last(const std::string& name) const;
    // Whether a window of that name is loaded: created, not closed, and
    // still held by its presenter.
    bool loaded(const std::string& name) const;

    std::vector<std::shared_ptr<FakeWindowState>> created;
    // Files the picture loader refuses, and whether skin files are refused.
    std::set<std::string> notPictures;
    bool refuseSkins = false;
    // For the windows created from now on: see FakeWindowState.
    bool onScreenAtOnce = true;

private:
    Log& log_;
};

} // namespace hv::fakes
