#pragma once
// Windows and their controls. A presenter in the core declares its window,
// controls and timers with their design values and the handlers of their
// events; a front-end builds them and calls those handlers.
#include "platform/canvas.h"
#include "drawing/colour.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace hv {

inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct TwipSize {
    int width = 0, height = 0;
};

struct FontDesign {
    std::string face = "Arial";
    double points = 9;
    bool bold = false;
};

// Hidden is the program's own: no pointer at all over the window.
enum class MousePointer : std::int16_t { Hidden = -1, Default = 0, Hourglass = 11, Custom = 99 };

struct WindowDesign {
    std::string name;
    bool borderless = false;
    bool maximized = false;
    // A window with a fixed single border keeps its client size; 0 by 0
    // leaves the size to the platform.
    bool fixedSingle = false;
    TwipSize client = {};
    bool minButton = true;
    bool maxButton = true;
    bool centred = false;
    Colour backColor = kWhite;
    Colour foreColor = kButtonText;
    FontDesign font;
    // The monitor (its Monitor::id) a maximized window covers; empty for
    // the monitor of a window the program shows already, else the primary.
    std::string monitor = {};
    // A window of another program (a screen saver's preview, the window a
    // screen-saver daemon hands over) to draw into: the window becomes its
    // child and fills it, follows its size, and asks to close when it goes.
    std::uintptr_t host = 0;
};

// A label reports clicks and the mouse moving over it. Inside a frame it
// names the frame as parent and is placed relative to it.
struct LabelDesign {
    std::string name;
    std::string caption;
    TwipRect rect;
    std::string parent;
    FontDesign font;
    Colour foreColor = kButtonText;
    Colour backColor = kWhite;
    bool wordWrap = false;
    std::function<void()> onClick = {};
    std::function<void()> onMouseMove = {};
};

// A frame, check box, drop-down list, push button or text box. A control inside a
// frame names it as parent and is placed relative to it. The control with
// the lowest tab index has the focus when the window first shows.
struct ControlDesign {
    std::string name;
    std::string caption;
    TwipRect rect;
    FontDesign font;
    std::string parent;
    int tabIndex = 0;
    Colour backColor = kWhite;
    // A push button pressed, a check box's value or a list's selection
    // changed, by the user or by code.
    std::function<void()> onClick = {};
    // The mouse moving over a frame, push button or text box; check boxes
    // and lists report none.
    std::function<void()> onMouseMove = {};
    // A text box's text changed by the user, told once the edit ends: at
    // Enter, or as the focus leaves the box. Text set by code is no change.
    std::function<void()> onEditEnd = {};
    // The most characters the user can type into a text box; 0 for the
    // platform's limit.
    int maxLength = 0;
};

struct TimerDesign {
    std::string name;
    int intervalMs = 0;
    bool enabled = false;
    // When set, the timer is armed anew at every tick, for the delay this
    // gives (first: as the timer is enabled), instead of counting the
    // interval from the last tick.
    std::function<int(bool first)> nextDelayMs = {};
    std::function<void()> onTimer = {};
};

// What a window reports of itself, as opposed to its controls.
struct WindowEvents {
    std::function<void()> onResize;
    // keyCode is a Windows virtual-key code; a handler may set it to 0.
    std::function<void(std::int16_t& keyCode, std::int16_t shift)> onKeyDown;
    // The mouse moving over the window's own surface, not over a control.
    std::function<void()> onMouseMove;
    // Where the pointer is, in pixels of the desktop, at every move over the
    // window, and a mouse button pressed over it.
    std::function<void(int x, int y)> onPointerAt;
    std::function<void()> onMouseDown;
    // Any request to close the window; the presenter decides what happens.
    std::function<void()> onCloseRequest;
    // Once, from the event loop, after the window first showed its pixels:
    // for work the user need not wait for to see the window.
    std::function<void()> onShown;
};

class Control {
public:
    virtual ~Control() = default;
    virtual void setVisible(bool visible) = 0;
    virtual bool visible() const = 0;
    // Size in twips.
    virtual void setWidth(int twips) = 0;
    virtual int width() const = 0;
    virtual void setHeight(int twips) = 0;
    virtual int height() const = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual Colour backColor() const = 0;
};

// A check box; its value is 0 cleared, 1 ticked or 2 greyed. Every change
// of the value, by the user or by code, is reported as onClick.
class CheckBox : public virtual Control {
public:
    virtual std::int16_t value() const = 0;
    // Takes 0, 1 or 2 only.
    virtual void setValue(std::int16_t value) = 0;
};

// A drop-down list that keeps its entries sorted by their text, without
// regard to case, in the collation of the user's locale. Each entry carries
// a number of the program's, its item data. A change of the selected
// position, by the user or by code, is reported as onClick.
class ComboBox : public virtual Control {
public:
    virtual void clear() = 0;
    // Adds an entry at its sorted place and returns that position.
    virtual int addItem(const std::string& text) = 0;
    virtual int listCount() const = 0;
    virtual std::string itemText(int position) const = 0;
    // Both raise "Invalid property array index" for a position outside the
    // list.
    virtual std::int32_t itemData(int position) const = 0;
    virtual void setItemData(int position, std::int32_t data) = 0;
    // The selected position, -1 when none is.
    virtual int listIndex() const = 0;
    // Raises "Invalid property value" below -1 or past the last entry.
    virtual void setListIndex(int position) = 0;
};

// A one-line text box.
class TextField : public virtual Control {
public:
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

class WindowView;

// The skin component: it themes the window it is applied to and, once told
// so, every window the program opens afterwards.
class SkinFramework {
public:
    virtual ~SkinFramework() = default;
    // Raises a run-time error when the skin file cannot be used.
    virtual void loadSkin(const std::string& path, const std::string& iniName) = 0;
    virtual std::int32_t applyOptions() const = 0;
    virtual void setApplyOptions(std::int32_t options) = 0;
    virtual void setAutoApplyNewWindows(bool on) = 0;
    virtual void setAutoApplyNewThreads(bool on) = 0;
    virtual void applyWindow(WindowView& window) = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

class WindowView {
public:
    virtual ~WindowView() = default;

    virtual Control& addLabel(const LabelDesign& design) = 0;
    virtual Timer& addTimer(const TimerDesign& design) = 0;
    virtual Control& addFrame(const ControlDesign& design) = 0;
    virtual CheckBox& addCheckBox(const ControlDesign& design) = 0;
    virtual ComboBox& addComboBox(const ControlDesign& design) = 0;
    virtual Control& addPushButton(const ControlDesign& design) = 0;
    // A one-line text box holding the caption as its text.
    virtual TextField& addTextBox(const ControlDesign& design) = 0;
    virtual SkinFramework& addSkinFramework() = 0;

    // The client area's drawing surface; its size is the client size.
    virtual Canvas& canvas() = 0;

    virtual void setApplicationIcon() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual Colour backColor() const = 0;
    // Loads a cursor or icon file as the image of the custom pointer;
    // raises "Invalid picture" when the file is neither. Without one, the
    // custom pointer is the platform's pointing hand.
    virtual void setMouseIcon(const std::string& path) = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual MousePointer mousePointer() const = 0;
    virtual bool iconic() const = 0;
    // The monitor (its Monitor::id) that holds most of the window.
    virtual std::string monitor() const = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    // The window is unloaded: hidden for good, its timers stopped and its
    // events no longer delivered.
    virtual void close() = 0;
};

class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    // The handlers of the window, its controls and its timers run only
    // while owner, the presenter, lives and the window is not closed, and
    // the front-end keeps owner alive for the length of each call: a handler
    // may unload its own window, and handlers may hold the presenter by a
    // plain pointer.
    virtual std::unique_ptr<WindowView> createWindow(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
        = 0;
};

} // namespace hv
