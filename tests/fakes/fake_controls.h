#pragma once
// Fakes of a window's controls, timers and skin component. A change that
// the real control reports as a click reaches the control's onClick
// through its window, as the front-end delivers it.
#include "platform/window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hv::fakes {

struct FakeWindowState;

using Log = std::vector<std::string>;

// What every control keeps: visibility, size in twips and back colour.
class FakeControlState : public virtual Control {
public:
    FakeControlState(const TwipRect& rect, Colour backColor)
        : width_(rect.width)
        , height_(rect.height)
        , backColor_(backColor)
    {
    }

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
    explicit FakeLabel(const LabelDesign& d)
        : FakeControlState(d.rect, d.backColor)
        , design(d)
    {
    }
    const LabelDesign design;
};

// A frame, push button or text box, and the base of the other controls.
class FakeControl : public FakeControlState {
public:
    FakeControl(const ControlDesign& d, FakeWindowState& window)
        : FakeControlState(d.rect, d.backColor)
        , design(d)
        , window_(window)
    {
    }

    const ControlDesign design;

protected:
    void clicked() { deliver(design.onClick); }
    void deliver(const std::function<void()>& handler);

private:
    FakeWindowState& window_;
};

class FakeCheckBox : public FakeControl, public CheckBox {
public:
    using FakeControl::FakeControl;
    std::int16_t value() const override { return value_; }
    void setValue(std::int16_t value) override;
    // The user clicks the box: it turns ticked, or cleared when it was.
    void click() { setValue(value_ == 1 ? 0 : 1); }

private:
    std::int16_t value_ = 0;
};

class FakeComboBox : public FakeControl, public ComboBox {
public:
    using FakeControl::FakeControl;
    void clear() override;
    // Case-insensitive order; the platform's collation may differ in
    // detail, which the core must not depend on.
    int addItem(const std::string& text) override;
    int listCount() const override { return static_cast<int>(items_.size()); }
    std::string itemText(int position) const override { return at(position).text; }
    std::int32_t itemData(int position) const override { return at(position).data; }
    void setItemData(int position, std::int32_t data) override { at(position).data = data; }
    int listIndex() const override { return index_; }
    void setListIndex(int position) override;

private:
    struct Item {
        std::string text;
        std::int32_t data;
    };
    const Item& at(int position) const;
    Item& at(int position);

    std::vector<Item> items_;
    int index_ = -1;
};

class FakeTextBox : public FakeControl, public TextField {
public:
    FakeTextBox(const ControlDesign& d, FakeWindowState& window)
        : FakeControl(d, window)
        , text_(d.caption)
    {
    }
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    // The user types text over the box's, as much as it takes, and ends
    // the edit.
    void edit(const std::string& typed);

private:
    std::string text_;
};

class FakeSkinFramework : public SkinFramework {
public:
    explicit FakeSkinFramework(Log& log)
        : log_(log)
    {
    }
    void loadSkin(const std::string& path, const std::string& iniName) override;
    std::int32_t applyOptions() const override { return options; }
    void setApplyOptions(std::int32_t value) override;
    void setAutoApplyNewWindows(bool on) override;
    void setAutoApplyNewThreads(bool on) override;
    void applyWindow(WindowView&) override { log_.push_back("ApplyWindow"); }

    std::int32_t options = 4;
    bool refuse = false;

private:
    Log& log_;
};

class FakeTimer : public Timer {
public:
    explicit FakeTimer(const TimerDesign& d)
        : design(d)
        , enabled_(d.enabled)
    {
    }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool enabled() const override { return enabled_; }

    const TimerDesign design;

private:
    bool enabled_;
};

} // namespace hv::fakes
