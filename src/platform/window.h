#pragma once
// Windows and their controls. A presenter in the core declares its window
// and controls with their design values; a front-end builds them and
// forwards their events to the presenter through WindowEvents.
#include "platform/canvas.h"
#include "platform/colour.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace hv {

inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct FontDesign {
    std::string face = "Arial";
    double points = 9;
    bool bold = false;
};

enum class MousePointer : std::int16_t { Default = 0, Hourglass = 11, Custom = 99 };

struct WindowDesign {
    std::string name;
    bool borderless = false;
    bool maximized = false;
    Colour backColor = kWhite;
    Colour foreColor = kButtonText;
    FontDesign font;
};

struct LabelDesign {
    std::string name;
    std::string caption;
    TwipRect rect;
    FontDesign font;
    Colour foreColor = kButtonText;
    Colour backColor = kWhite;
    bool wordWrap = false;
};

struct TimerDesign {
    std::string name;
    int intervalMs = 0;
    bool enabled = false;
    // Fire just after whole seconds of the wall clock, re-armed at every
    // tick, instead of counting the interval from the last tick.
    bool onWholeSeconds = false;
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

class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

// What a window reports to its presenter. A front-end holds the presenter
// weakly and keeps it alive for the length of each call, so a handler may
// unload its own window.
class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void onResize() {}
    // keyCode is a Windows virtual-key code; a handler may set it to 0.
    virtual void onKeyDown(std::int16_t& keyCode, std::int16_t shift) { (void)keyCode; (void)shift; }
    virtual void onMouseMove(std::string_view control) { (void)control; }
    // Any request to close the window; the presenter decides what happens.
    virtual void onCloseRequest() {}
    virtual void onTimer(std::string_view timer) { (void)timer; }
};

class WindowView {
public:
    virtual ~WindowView() = default;

    virtual Control& addLabel(const LabelDesign& design) = 0;
    virtual Timer& addTimer(const TimerDesign& design) = 0;

    // The client area's drawing surface; its size is the client size.
    virtual Canvas& canvas() = 0;

    virtual void setApplicationIcon() = 0;
    virtual void setBackColor(Colour colour) = 0;
    virtual Colour backColor() const = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual MousePointer mousePointer() const = 0;
    virtual bool iconic() const = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    // The window is unloaded: hidden for good, its timers stopped and its
    // events no longer delivered.
    virtual void close() = 0;
};

class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    virtual std::unique_ptr<WindowView> createWindow(const WindowDesign& design,
                                                     std::weak_ptr<WindowEvents> events) = 0;
};

} // namespace hv
