#pragma once
// Fakes of every port the core talks to, bundled as one Platform. They write
// what reached them into a shared log so a test can check the order of
// calls across ports, and they let a test fire window events the way the
// front-end does: through the presenter's weak pointer, locked for the call.
#include "platform/platform.h"
#include "platform/recording_canvas.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace hv::fakes {

using Log = std::vector<std::string>;

// A client area whose size follows the window's resizes; the drawing calls
// are written down (9 by 19 pixels a character).
using FakeCanvas = RecordingCanvas;

class FakeLabel : public Control {
public:
    explicit FakeLabel(const LabelDesign& d)
        : design(d), width_(d.rect.width), height_(d.rect.height), backColor_(d.backColor) {}

    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const override { return visible_; }
    void setWidth(int twips) override { width_ = twips; }
    int width() const override { return width_; }
    void setHeight(int twips) override { height_ = twips; }
    int height() const override { return height_; }
    void setBackColor(Colour colour) override { backColor_ = colour; }
    Colour backColor() const override { return backColor_; }

    const LabelDesign design;

private:
    bool visible_ = true;
    int width_;
    int height_;
    Colour backColor_;
};

class FakeTimer : public Timer {
public:
    explicit FakeTimer(const TimerDesign& d) : design(d), enabled_(d.enabled) {}
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool enabled() const override { return enabled_; }

    const TimerDesign design;

private:
    bool enabled_;
};

// What one created window looked like and what happened to it. It outlives
// the view the presenter owns, so a test can look at a window after it was
// unloaded and destroyed.
struct FakeWindowState {
    WindowDesign design;
    std::weak_ptr<WindowEvents> events;
    Log* log = nullptr;

    FakeCanvas canvas{0, 0};
    std::vector<std::unique_ptr<FakeLabel>> labels;
    std::vector<std::unique_ptr<FakeTimer>> timers;
    Colour backColor = kBlack;
    MousePointer pointer = MousePointer::Default;
    bool iconic = false;
    bool iconSet = false;
    bool shown = false;
    bool hidden = false;
    bool closed = false;
    bool destroyed = false;

    FakeLabel& label(const std::string& name) const
    {
        for (const auto& l : labels)
            if (l->design.name == name)
                return *l;
        throw std::logic_error("no label " + name);
    }
    FakeTimer& timer(const std::string& name) const
    {
        for (const auto& t : timers)
            if (t->design.name == name)
                return *t;
        throw std::logic_error("no timer " + name);
    }

    // Events, delivered like the front-end does: not after the window was
    // unloaded, and with the presenter kept alive for the length of the call.
    void resize(int width, int height)
    {
        canvas.resize(width, height);
        deliver([](WindowEvents& e) { e.onResize(); });
    }
    // Returns the key code as the handler left it.
    std::int16_t keyDown(std::int16_t keyCode, std::int16_t shift = 0)
    {
        deliver([&](WindowEvents& e) { e.onKeyDown(keyCode, shift); });
        return keyCode;
    }
    void type(std::initializer_list<std::int16_t> keys)
    {
        for (auto key : keys)
            keyDown(key);
    }
    void mouseMove() { deliver([](WindowEvents& e) { e.onMouseMove(""); }); }
    void closeRequest() { deliver([](WindowEvents& e) { e.onCloseRequest(); }); }
    void tick(const std::string& timerName)
    {
        if (!timer(timerName).enabled())
            return;
        deliver([&](WindowEvents& e) { e.onTimer(timerName); });
    }

private:
    void deliver(const std::function<void(WindowEvents&)>& fn)
    {
        if (closed || destroyed)
            return;
        if (auto presenter = events.lock())
            fn(*presenter);
    }
};

class FakeWindowView : public WindowView {
public:
    explicit FakeWindowView(std::shared_ptr<FakeWindowState> state) : s_(std::move(state)) {}
    ~FakeWindowView() override { s_->destroyed = true; }

    Control& addLabel(const LabelDesign& design) override
    {
        return *s_->labels.emplace_back(std::make_unique<FakeLabel>(design));
    }
    Timer& addTimer(const TimerDesign& design) override
    {
        return *s_->timers.emplace_back(std::make_unique<FakeTimer>(design));
    }
    Canvas& canvas() override { return s_->canvas; }
    void setApplicationIcon() override { s_->iconSet = true; }
    void setBackColor(Colour colour) override { s_->backColor = colour; }
    Colour backColor() const override { return s_->backColor; }
    void setMousePointer(MousePointer pointer) override { s_->pointer = pointer; }
    MousePointer mousePointer() const override { return s_->pointer; }
    bool iconic() const override { return s_->iconic; }
    void show() override
    {
        s_->shown = true;
        s_->hidden = false;
        s_->log->push_back("show " + s_->design.name);
    }
    void hide() override
    {
        s_->hidden = true;
        s_->log->push_back("hide " + s_->design.name);
    }
    void close() override
    {
        s_->closed = true;
        for (auto& t : s_->timers)
            t->setEnabled(false);
        s_->log->push_back("close " + s_->design.name);
    }

private:
    std::shared_ptr<FakeWindowState> s_;
};

class FakeWindowFactory : public WindowFactory {
public:
    explicit FakeWindowFactory(Log& log) : log_(log) {}

    std::unique_ptr<WindowView> createWindow(const WindowDesign& design, std::weak_ptr<WindowEvents> events) override
    {
        auto state = std::make_shared<FakeWindowState>();
        state->design = design;
        state->events = std::move(events);
        state->log = &log_;
        state->backColor = design.backColor;
        created.push_back(state);
        log_.push_back("create " + design.name);
        return std::make_unique<FakeWindowView>(state);
    }

    FakeWindowState& last() const { return *created.back(); }

    std::vector<std::shared_ptr<FakeWindowState>> created;

private:
    Log& log_;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    struct Box {
        std::string text;
        int style;
        std::string title;
    };

    explicit FakeMessageBoxes(Log& log) : log_(log) {}

    int show(const std::string& text, int style, const std::string& title) override
    {
        shown.push_back({text, style, title});
        log_.push_back("box");
        // A modal box runs an event loop of its own; events can reach the
        // program while it is open.
        if (whileOpen)
            whileOpen();
        return 1;
    }

    std::vector<Box> shown;
    std::function<void()> whileOpen;

private:
    Log& log_;
};

class FakeEventPump : public EventPump {
public:
    explicit FakeEventPump(Log& log) : log_(log) {}

    void pumpEvents() override
    {
        ++count;
        log_.push_back("pump");
        // Taken out first, so what it does runs once even if it pumps again.
        if (auto fn = std::exchange(onNextPump, nullptr))
            fn();
    }

    int count = 0;
    // Runs inside the next pump only: the pending event it stands for.
    std::function<void()> onNextPump;

private:
    Log& log_;
};

struct EndedNow {};

class FakeLifetime : public ProgramLifetime {
public:
    explicit FakeLifetime(Log& log) : log_(log) {}
    void quit() override
    {
        ++quits;
        log_.push_back("quit");
    }
    [[noreturn]] void endNow() override
    {
        log_.push_back("endNow");
        throw EndedNow{};
    }

    int quits = 0;

private:
    Log& log_;
};

class FakeTimeOfDay : public TimeOfDay {
public:
    double secondsSinceMidnight() override { return seconds; }
    double seconds = 0;
};

class FakeSystemInput : public SystemInput {
public:
    explicit FakeSystemInput(Log& log) : log_(log) {}

    std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override
    {
        log_.push_back("mapVirtualKey " + hex(code) + ' ' + std::to_string(mapType));
        // Right Shift in scan-code set 1 on a standard layout.
        return code == kVkRightShift ? 0x36 : 0;
    }
    void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override
    {
        log_.push_back("keyEvent " + hex(virtualKey) + ' ' + hex(scanCode) + ' ' + std::to_string(flags));
    }
    void setExecutionState(std::uint32_t flags) override
    {
        log_.push_back("setExecutionState " + std::to_string(flags));
    }

private:
    static std::string hex(std::uint32_t value)
    {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%X", value);
        return buffer;
    }

    Log& log_;
};

// All the fakes, and the Platform bundle the core is handed.
struct FakePlatform {
    Log log;
    MemorySettingsStore settings;
    FakeWindowFactory windows{log};
    FakeMessageBoxes boxes{log};
    FakeEventPump events{log};
    FakeLifetime lifetime{log};
    FakeTimeOfDay timeOfDay;
    FakeSystemInput input{log};
    Platform platform{settings, windows, boxes, events, lifetime, timeOfDay, input};
};

} // namespace hv::fakes
