#pragma once
// The controls of a Windows window. Each wraps one child window of the
// form, placed from its design in twips (a frame's children from the
// frame's corner), and hands what the user does with it to the handlers of
// its design, through the form.
#include "platform/win32/windows/form_window.h"

#include <string>
#include <vector>

namespace hv::win32 {

// Where a control goes: its own rectangle, and the corner of the frame it
// sits in (none for one on the window itself).
struct Placement {
    TwipRect rect;
    int originLeft = 0;
    int originTop = 0;
};

class Win32Control : public virtual Control {
public:
    ~Win32Control() override;

    HWND hwnd() const { return hwnd_; }

    void setVisible(bool visible) override;
    bool visible() const override { return visible_; }
    void setWidth(int twips) override;
    int width() const override { return place_.rect.width; }
    void setHeight(int twips) override;
    int height() const override { return place_.rect.height; }
    void setBackColor(Colour colour) override;
    Colour backColor() const override { return backColor_; }

    // Position and font again, at the form's DPI.
    void relayout();
    // A notification the control sent its form (WM_COMMAND).
    virtual void notified(WORD) {}
    // Enter pressed while the control has the focus and no button takes it.
    virtual void enterPressed() {}
    // The colours the control paints with (WM_CTLCOLOR*): the brush is the
    // control's own.
    HBRUSH colours(HDC dc) const;

protected:
    struct Kind {
        const wchar_t* windowClass;
        DWORD style;
        DWORD exStyle = 0;
        bool frame = false;
    };
    struct Look {
        FontDesign font;
        Colour backColor = kWhite;
        Colour foreColor = kButtonText;
    };
    // The events the control reports: a click, where its kind has one, and
    // the mouse moving over it.
    struct Handlers {
        std::function<void()> onClick;
        std::function<void()> onMouseMove;
    };
    Win32Control(FormWindow& form, Kind kind, const std::string& caption, const Placement& placement, Look look,
        Handlers handlers);

    // The window's height as created, where a list adds its drop-down part.
    virtual int createdHeight(int pixels) const { return pixels; }

    FormWindow& form_;
    const std::function<void()> onClick_;

private:
    static LRESULT CALLBACK subclassProc(
        HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void place();

    HWND hwnd_ = nullptr;
    Placement place_;
    Look look_;
    bool visible_ = true;
    Colour backColor_;
    HBRUSH brush_ = nullptr;
    const std::function<void()> onMouseMove_;
    const bool isFrame_;
};

// A label reports clicks and the mouse moving over it.
class Win32Label final : public Win32Control {
public:
    Win32Label(FormWindow& form, const LabelDesign& design, const Placement& placement);
    void notified(WORD code) override;
};

// A frame reports the mouse moving over its own surface.
class Win32Frame final : public Win32Control {
public:
    Win32Frame(FormWindow& form, const ControlDesign& design, const Placement& placement);
};

// Space, Return and the keypad's Enter press the focused button.
class Win32PushButton final : public Win32Control {
public:
    Win32PushButton(FormWindow& form, const ControlDesign& design, const Placement& placement);
    void notified(WORD code) override;
};

class Win32TextBox final : public Win32Control, public TextField {
public:
    Win32TextBox(FormWindow& form, const ControlDesign& design, const Placement& placement);
    std::string text() const override;
    void setText(const std::string& text) override;
    void notified(WORD code) override;
    void enterPressed() override { editEnded(); }

private:
    // Tells an edit that changed the text, once.
    void editEnded();

    const std::function<void()> onEditEnd_;
};

// A click turns a cleared or greyed box ticked and a ticked one cleared;
// greyed is a state only the program sets.
class Win32CheckBox final : public Win32Control, public CheckBox {
public:
    Win32CheckBox(FormWindow& form, const ControlDesign& design, const Placement& placement);
    std::int16_t value() const override;
    void setValue(std::int16_t value) override;
    void notified(WORD code) override;
};

class Win32ComboBox final : public Win32Control, public ComboBox {
public:
    Win32ComboBox(FormWindow& form, const ControlDesign& design, const Placement& placement);
    void clear() override;
    int addItem(const std::string& text) override;
    int listCount() const override;
    std::string itemText(int position) const override;
    std::int32_t itemData(int position) const override;
    void setItemData(int position, std::int32_t data) override;
    int listIndex() const override;
    void setListIndex(int position) override;
    void notified(WORD code) override;

private:
    int createdHeight(int pixels) const override;
    void checkPosition(int position) const;
    // Reports a selection that moved since the last report.
    void selectionMoved();

    // The entries' texts in list order, as the list holds them. A sorted
    // insert searches these: asking the list for each text it compares
    // took two messages a comparison, over 1,600 to fill the zone list,
    // which under Wine made up much of the options window's start.
    std::vector<std::wstring> entries_;
    int reportedIndex_ = -1;
};

} // namespace hv::win32
