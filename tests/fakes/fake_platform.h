#pragma once
// Fakes of every port the core talks to, bundled as one Platform. They write
// what reached them into a shared log so a test can check the order of
// calls across ports, and they let a test fire window events the way the
// front-end does: through the presenter's weak pointer, locked for the call.
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "platform/platform.h"
#include "platform/recording_canvas.h"
#include "platform/runtime.h"
#include "system/reg_stuff.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace hv::fakes {

using Log = std::vector<std::string>;

// A client area whose size follows the window's resizes; the drawing calls
// are written down (9 by 19 pixels a character).
using FakeCanvas = RecordingCanvas;

// What every control keeps: visibility, size in twips and back colour.
class FakeControlState : public virtual Control {
public:
    FakeControlState(const TwipRect& rect, Colour backColor)
        : width_(rect.width), height_(rect.height), backColor_(backColor) {}

    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const override { return visible_; }
    void setWidth(int twips) override { width_ = twips; }
    int width() const override { return width_; }
    void setHeight(int twips) override { height_ = twips; }
    int height() const override { return height_; }
    void setBackColor(Colour colour) override { backColor_ = colour; }
    Colour backColor() const override { return backColor_; }

private:
    bool visible_ = true;
    int width_;
    int height_;
    Colour backColor_;
};

class FakeLabel : public FakeControlState {
public:
    explicit FakeLabel(const LabelDesign& d) : FakeControlState(d.rect, d.backColor), design(d) {}
    const LabelDesign design;
};

// A frame or push button, and the base of the other controls. A change
// that the real control reports as a click is reported through onClick.
class FakeControl : public FakeControlState {
public:
    explicit FakeControl(const ControlDesign& d) : FakeControlState(d.rect, d.backColor), design(d) {}

    const ControlDesign design;
    std::function<void(const std::string&)> onClick;

protected:
    void clicked()
    {
        if (onClick)
            onClick(design.name);
    }
};

class FakeCheckBox : public FakeControl, public CheckBox {
public:
    using FakeControl::FakeControl;
    std::int16_t value() const override { return value_; }
    void setValue(std::int16_t value) override
    {
        if (value < 0 || value > 2)
            throw std::logic_error("check box value " + std::to_string(value));
        if (value == value_)
            return;
        value_ = value;
        clicked();
    }
    // The user clicks the box: it turns ticked, or cleared when it was.
    void click() { setValue(value_ == 1 ? 0 : 1); }

private:
    std::int16_t value_ = 0;
};

class FakeComboBox : public FakeControl, public ComboBox {
public:
    using FakeControl::FakeControl;
    void clear() override
    {
        items_.clear();
        index_ = -1;
    }
    int addItem(const std::string& text) override
    {
        // Case-insensitive order; the platform's collation may differ in
        // detail, which the core must not depend on.
        auto at = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& a, const Item& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.text.begin(), b.text.end(), [](char x, char y) {
                return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
            });
        });
        const int position = static_cast<int>(at - items_.begin());
        items_.insert(at, {text, 0});
        if (index_ >= position)
            ++index_;
        return position;
    }
    int listCount() const override { return static_cast<int>(items_.size()); }
    std::string itemText(int position) const override { return at(position).text; }
    std::int32_t itemData(int position) const override { return at(position).data; }
    void setItemData(int position, std::int32_t data) override { at(position).data = data; }
    int listIndex() const override { return index_; }
    void setListIndex(int position) override
    {
        if (position < -1 || position >= listCount())
            throw RuntimeError::invalidPropertyValue();
        if (position == index_)
            return;
        index_ = position;
        clicked();
    }

private:
    struct Item {
        std::string text;
        std::int32_t data;
    };
    const Item& at(int position) const
    {
        if (position < 0 || position >= listCount())
            throw RuntimeError::invalidPropertyArrayIndex();
        return items_[static_cast<std::size_t>(position)];
    }
    Item& at(int position) { return const_cast<Item&>(std::as_const(*this).at(position)); }

    std::vector<Item> items_;
    int index_ = -1;
};

class FakeSkinFramework : public SkinFramework {
public:
    explicit FakeSkinFramework(Log& log) : log_(log) {}
    void loadSkin(const std::string& path, const std::string& iniName) override
    {
        log_.push_back("LoadSkin " + path + " \"" + iniName + '"');
        if (refuse)
            throw RuntimeError(-2147024809, "The skin file is no skin");
    }
    std::int32_t applyOptions() const override { return options; }
    void setApplyOptions(std::int32_t value) override
    {
        options = value;
        log_.push_back("ApplyOptions " + std::to_string(value));
    }
    void setAutoApplyNewWindows(bool on) override { log_.push_back(std::string("AutoApplyNewWindows ") + (on ? "1" : "0")); }
    void setAutoApplyNewThreads(bool on) override { log_.push_back(std::string("AutoApplyNewThreads ") + (on ? "1" : "0")); }
    void applyWindow(WindowView&) override { log_.push_back("ApplyWindow"); }

    std::int32_t options = 4;
    bool refuse = false;

private:
    Log& log_;
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
    std::vector<std::unique_ptr<FakeControl>> controls; // frames, boxes, lists, buttons in design order
    std::vector<std::unique_ptr<FakeSkinFramework>> skins;
    std::string caption;
    std::string mouseIcon;
    std::set<std::string> notPictures;
    bool refuseSkins = false;
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
    void mouseMove(const std::string& control = "") { deliver([&](WindowEvents& e) { e.onMouseMove(control); }); }
    void click(const std::string& control) { deliver([&](WindowEvents& e) { e.onClick(control); }); }
    void closeRequest() { deliver([](WindowEvents& e) { e.onCloseRequest(); }); }
    void tick(const std::string& timerName)
    {
        if (!timer(timerName).enabled())
            return;
        deliver([&](WindowEvents& e) { e.onTimer(timerName); });
    }

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
    Control& addFrame(const ControlDesign& design) override { return add<FakeControl>(design); }
    CheckBox& addCheckBox(const ControlDesign& design) override { return add<FakeCheckBox>(design); }
    ComboBox& addComboBox(const ControlDesign& design) override { return add<FakeComboBox>(design); }
    Control& addPushButton(const ControlDesign& design) override { return add<FakeControl>(design); }
    Control& addTextBox(const ControlDesign& design) override { return add<FakeControl>(design); }
    SkinFramework& addSkinFramework(const std::string&) override
    {
        auto& skin = *s_->skins.emplace_back(std::make_unique<FakeSkinFramework>(*s_->log));
        skin.refuse = s_->refuseSkins;
        return skin;
    }
    Canvas& canvas() override { return s_->canvas; }
    void setApplicationIcon() override { s_->iconSet = true; }
    void setCaption(const std::string& caption) override { s_->caption = caption; }
    void setMouseIcon(const std::string& path) override
    {
        if (s_->notPictures.count(path))
            throw RuntimeError::invalidPicture();
        s_->mouseIcon = path;
    }
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
    bool visible() const override { return s_->shown && !s_->hidden && !s_->closed; }
    void close() override
    {
        s_->closed = true;
        for (auto& t : s_->timers)
            t->setEnabled(false);
        s_->log->push_back("close " + s_->design.name);
    }

private:
    template <typename T>
    T& add(const ControlDesign& design)
    {
        auto control = std::make_unique<T>(design);
        T& added = *control;
        std::weak_ptr<FakeWindowState> state = s_;
        control->onClick = [state](const std::string& name) {
            if (auto s = state.lock())
                s->click(name);
        };
        s_->controls.push_back(std::move(control));
        return added;
    }

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
        state->notPictures = notPictures;
        state->refuseSkins = refuseSkins;
        created.push_back(state);
        log_.push_back("create " + design.name);
        return std::make_unique<FakeWindowView>(state);
    }

    FakeWindowState& last() const { return *created.back(); }
    // The last window created under that name.
    FakeWindowState& last(const std::string& name) const
    {
        for (auto it = created.rbegin(); it != created.rend(); ++it)
            if ((*it)->design.name == name)
                return **it;
        throw std::logic_error("no window " + name);
    }

    std::vector<std::shared_ptr<FakeWindowState>> created;
    // Files the picture loader refuses, and whether skin files are refused.
    std::set<std::string> notPictures;
    bool refuseSkins = false;

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

    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const auto& box : shown)
            all.push_back(box.text);
        return all;
    }

    std::vector<Box> shown;
    std::function<void()> whileOpen;

private:
    Log& log_;
};

// The user picks `pick`, or cancels while it is empty.
class FakeColourDialog : public ColourDialog {
public:
    explicit FakeColourDialog(Log& log) : log_(log) {}
    Colour showColor(Colour colour) override
    {
        offered.push_back(colour);
        log_.push_back("colour dialog");
        return pick.value_or(colour);
    }

    std::optional<Colour> pick;
    std::vector<Colour> offered;

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
    [[noreturn]] void endNow(int exitStatus) override
    {
        log_.push_back(exitStatus == 0 ? "endNow" : "endNow " + std::to_string(exitStatus));
        throw EndedNow{};
    }

private:
    Log& log_;
};

// Every zone shows the same time of day unless a test gives it its own.
class FakeTimeOfDay : public TimeOfDay {
public:
    double secondsSinceMidnight(std::string_view zoneKey) override
    {
        asked.emplace_back(zoneKey);
        auto it = zones.find(std::string(zoneKey));
        return it == zones.end() ? seconds : it->second;
    }
    double seconds = 0;
    std::map<std::string, double> zones;
    std::vector<std::string> asked;
};

// The program's folder is /opt/horavista; files exist when a test adds them.
class FakeFileSystem : public FileSystem {
public:
    std::string programFile(std::string_view relativePath) override
    {
        return "/opt/horavista/" + std::string(relativePath);
    }
    std::string executablePath() override { return executable; }
    std::optional<std::int64_t> modificationTime(const std::string& path) override
    {
        if (!files.count(path))
            return std::nullopt;
        return 1700000000;
    }
    bool findOrdinaryFile(const std::string& path) override { return files.count(path) && !hidden.count(path); }

    std::set<std::string> files;
    std::set<std::string> hidden;
    std::string executable = "/opt/horavista/horavista";
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
    FakeSettingsStore settings;
    FakeWindowFactory windows{log};
    FakeMessageBoxes boxes{log};
    FakeColourDialog colourDialog{log};
    FakeEventPump events{log};
    FakeLifetime lifetime{log};
    FakeTimeOfDay timeOfDay;
    FakeSystemInput input{log};
    FakeRegistry registry;
    FakeSystemInfo system;
    FakeFileSystem files;
    FakePlatform()
    {
        fillCatalogue(registry);
        registry.key(reg::kHKeyCurrentUser, std::string(kRunKey));
    }
    Platform platform{settings, windows, boxes,  colourDialog, events, lifetime,
                      timeOfDay, input,  registry, system,     files};
};

} // namespace hv::fakes
