#pragma once
// The top-level window of the Windows front-end: it shows the off-screen
// surface the presenter draws into, and calls the handlers of the window's
// own events and, for its controls and timers, theirs. It owns its controls
// and timers; each message it handles keeps it alive until the handling
// returns, so a handler may let go of the window it runs in.
#include "platform/win32/drawing/dib_canvas.h"
#include "platform/window.h"
#include "windows/form_rules.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace hv::win32 {

class Win32Control;
class Win32Timer;

class FormWindow : public std::enable_shared_from_this<FormWindow> {
public:
    // The window shows programName until a caption of its own is set.
    static std::shared_ptr<FormWindow> create(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner, const std::string& programName);
    FormWindow(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    HWND hwnd() const { return hwnd_; }
    const WindowDesign& design() const { return design_; }
    UINT dpi() const { return dpi_; }
    int pixels(int twips) const;
    // The font of this design at the window's DPI, kept by the window.
    HFONT font(const FontDesign& design);

    DibCanvas& canvas() { return *canvas_; }
    // As on the classic forms, a new background colour wipes the drawing.
    void setBackColor(Colour colour);
    Colour backColor() const { return backColor_; }

    // Every handler of the window, its controls and timers is called here:
    // with the presenter alive for the whole call, and never once the window
    // is closed. Errors that a handler lets through are told on stderr.
    void deliver(const std::function<void()>& handler);
    // The presenter hears of the client size before the window first shows,
    // even when no resize came before.
    void tellSizeOnce();
    // Unloaded: no handler runs any more, the timers stop, the window hides.
    void closeForGood();
    // Gone with its view.
    void destroy();

    template <typename T>
    T& own(std::unique_ptr<T> control)
    {
        T& owned = *control;
        controls_.push_back(std::move(control));
        return owned;
    }
    Win32Timer& addTimer(const TimerDesign& design);

    // Tab moves the focus along these controls; the first has it when the
    // window first shows.
    void addTabStop(int tabIndex, HWND control);
    void focusFirstTabStop();
    // The number a new control is known by in its window's notifications.
    int nextControlId() { return kFirstControlId + controlCount_++; }

    // The pointer over the window and all its controls: none for a null
    // cursor; no value leaves each to its own (the arrow, an edit's I-beam).
    void showCursor(std::optional<HCURSOR> cursor);
    // The window's own copy of a cursor loaded from a file.
    void keepMouseIcon(HCURSOR cursor);
    HCURSOR mouseIcon() const { return mouseIcon_; }

    // The size the window's frame needs around the design's client area at
    // the current DPI.
    SIZE frameSizeForClient() const;

    void coverMonitor(HMONITOR monitor);

private:
    // Above the numbers the system's dialog handling reserves for OK and
    // Cancel.
    static constexpr int kFirstControlId = 100;
    // Above the numbers of the window's own timers: a window inside a
    // host checks this often that the host is still there, and its size.
    static constexpr UINT_PTR kHostWatch = 0x4000;
    static constexpr UINT kHostWatchMs = 500;
    // Timers come after every paint: this one tells the window's first
    // pixels, its controls' included, are on the screen.
    static constexpr UINT_PTR kShown = 0x4001;

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void build(const std::string& programName);
    void resized(int width, int height);
    void present();
    void paint();
    void keyDown(WPARAM key);
    void dpiChanged(UINT dpi, const RECT& suggested);
    // A maximized window covers its monitor again, whatever became of it.
    void displayChanged();
    // A window inside a host fills it, and asks to close once it is gone.
    void followHost();
    void mouseAt(LPARAM lParam);
    Win32Control* controlOf(HWND hwnd) const;
    void activated(bool active);
    static void forgetTabStops(HWND hwnd);

    const WindowDesign design_;
    // Kept for the window's whole life, which may be longer than the
    // presenter's: the handlers are called only while owner_ locks.
    const WindowEvents events_;
    std::weak_ptr<void> owner_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    Colour backColor_;
    std::vector<std::pair<FontDesign, HFONT>> fonts_;
    // Declared after the fonts, whose one it draws text with.
    std::optional<DibCanvas> canvas_;
    bool built_ = false;
    bool sizeTold_ = false;
    bool shownTold_ = false;
    std::vector<std::unique_ptr<Win32Control>> controls_;
    std::vector<std::unique_ptr<Win32Timer>> timers_;
    std::vector<TabStop<HWND>> tabStops_;
    std::vector<HWND> tabOrder_;
    int controlCount_ = 0;
    HWND savedFocus_ = nullptr;
    std::optional<HCURSOR> shownCursor_;
    HCURSOR mouseIcon_ = nullptr;
};

// The window of the program's whose controls the keyboard moves among and
// presses, as in a dialog, when hwnd is it or one of its controls; else
// null.
HWND keyboardNavigatedWindow(HWND hwnd);

} // namespace hv::win32
