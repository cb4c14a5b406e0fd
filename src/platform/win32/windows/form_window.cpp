#include "platform/win32/windows/form_window.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_controls.h"
#include "platform/win32/windows/win32_monitors.h"
#include "platform/win32/windows/win32_timer.h"
#include "platform/win32/windows/win32_units.h"
#include "windows/form_rules.h"

namespace hv::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"HoravistaForm";
// Set on a window with controls the keyboard moves among.
constexpr wchar_t kTabStopsProperty[] = L"HoravistaTabStops";

DWORD styleOf(const WindowDesign& design)
{
    if (design.host)
        return WS_CHILD | WS_CLIPCHILDREN;
    if (design.borderless)
        return WS_POPUP | WS_CLIPCHILDREN;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!design.fixedSingle)
        style |= WS_THICKFRAME;
    if (design.minButton)
        style |= WS_MINIMIZEBOX;
    if (design.maxButton)
        style |= WS_MAXIMIZEBOX;
    return style;
}

void registerWindowClass(WNDPROC windowProc)
{
    static const ATOM atom = [windowProc] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = windowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
}

} // namespace

std::shared_ptr<FormWindow> FormWindow::create(
    const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner, const std::string& programName)
{
    auto form = std::make_shared<FormWindow>(design, std::move(events), std::move(owner));
    form->build(programName);
    return form;
}

FormWindow::FormWindow(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
    : design_(design)
    , events_(std::move(events))
    , owner_(std::move(owner))
    , backColor_(design.backColor)
{
}

FormWindow::~FormWindow()
{
    destroy();
    timers_.clear();
    controls_.clear();
    canvas_.reset();
    for (const auto& [design, font] : fonts_)
        DeleteObject(font);
    if (mouseIcon_)
        DestroyCursor(mouseIcon_);
}

void FormWindow::build(const std::string& programName)
{
    registerWindowClass(&FormWindow::windowProc);
    // The taskbar and Alt+Tab show the program's name until a window sets
    // a caption of its own; the design's name is for the program alone.
    const HWND host = reinterpret_cast<HWND>(design_.host);
    RECT place{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    if (host && !GetClientRect(host, &place))
        throw std::runtime_error("no window " + std::to_string(design_.host) + " to draw " + design_.name + " in");
    hwnd_ = CreateWindowExW(0, kWindowClass, widen(programName).c_str(), styleOf(design_), place.left, place.top,
        place.right, place.bottom, host, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw std::runtime_error("cannot create window " + design_.name);
    if (host)
        SetTimer(hwnd_, kHostWatch, kHostWatchMs, nullptr);
    dpi_ = GetDpiForWindow(hwnd_);
    if (design_.fixedSingle && design_.client.width > 0 && design_.client.height > 0) {
        const SIZE size = frameSizeForClient();
        SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client;
    GetClientRect(hwnd_, &client);
    canvas_.emplace(client.right, client.bottom, font(design_.font));
    canvas_->clear(backColor_);
    built_ = true;
}

SIZE FormWindow::frameSizeForClient() const
{
    RECT r{0, 0, pixels(design_.client.width), pixels(design_.client.height)};
    AdjustWindowRectExForDpi(&r, styleOf(design_), FALSE, 0, dpi_);
    return {r.right - r.left, r.bottom - r.top};
}

int FormWindow::pixels(int twips) const { return twipsToPixels(twips, dpi_); }

HFONT FormWindow::font(const FontDesign& design)
{
    for (const auto& [known, font] : fonts_)
        if (known.face == design.face && known.points == design.points && known.bold == design.bold)
            return font;
    HFONT font = createFont(design, dpi_);
    fonts_.emplace_back(design, font);
    return font;
}

void FormWindow::setBackColor(Colour colour)
{
    backColor_ = colour;
    canvas_->clear(colour);
    present();
}

void FormWindow::deliver(const std::function<void()>& handler)
{
    const auto keep = weak_from_this().lock();
    if (keep && deliverWhileOwned(owner_, design_.name, handler))
        present();
}

void FormWindow::closeForGood()
{
    owner_.reset();
    for (auto& timer : timers_)
        timer->setEnabled(false);
    if (hwnd_)
        ShowWindow(hwnd_, SW_HIDE);
}

void FormWindow::destroy()
{
    closeForGood();
    if (hwnd_)
        DestroyWindow(hwnd_);
}

Win32Timer& FormWindow::addTimer(const TimerDesign& design)
{
    timers_.push_back(std::make_unique<Win32Timer>(*this, timers_.size() + 1, design));
    return *timers_.back();
}

void FormWindow::addTabStop(int tabIndex, HWND control)
{
    tabStops_.push_back({tabIndex, control});
    tabOrder_ = inTabOrder(tabStops_);
    // The system's dialog handling moves the focus in the order the
    // controls are stacked: the tab order, above labels and frames.
    HWND above = HWND_TOP;
    for (const HWND stop : tabOrder_) {
        SetWindowPos(stop, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = stop;
    }
    SetPropW(hwnd_, kTabStopsProperty, hwnd_);
}

void FormWindow::focusFirstTabStop()
{
    savedFocus_ = tabOrder_.empty() ? hwnd_ : tabOrder_.front();
    SetFocus(savedFocus_);
}

void FormWindow::showCursor(std::optional<HCURSOR> cursor)
{
    shownCursor_ = cursor;
    // The pointer changes at once when it is over the window.
    POINT at;
    if (!GetCursorPos(&at))
        return;
    const HWND under = WindowFromPoint(at);
    if (under == hwnd_ || IsChild(hwnd_, under))
        SetCursor(cursor ? *cursor : LoadCursorW(nullptr, IDC_ARROW));
}

void FormWindow::coverMonitor(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info))
        return;
    const RECT& screen = info.rcMonitor;
    SetWindowPos(hwnd_, HWND_TOP, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
        SWP_NOACTIVATE);
    // Moved to another monitor before it first shows, its fonts follow
    // that monitor's DPI whether or not Windows tells it.
    if (const UINT dpi = GetDpiForWindow(hwnd_); dpi != dpi_)
        dpiChanged(dpi, screen);
}

void FormWindow::displayChanged()
{
    if (!design_.maximized || design_.host || !IsWindowVisible(hwnd_))
        return;
    // A monitor that is gone leaves its window where it is, for the
    // presenter to close.
    const HMONITOR monitor
        = design_.monitor.empty() ? MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST) : monitorWithId(design_.monitor);
    if (monitor)
        coverMonitor(monitor);
}

void FormWindow::followHost()
{
    const HWND host = reinterpret_cast<HWND>(design_.host);
    RECT wanted, now;
    if (!IsWindow(host) || !GetClientRect(host, &wanted)) {
        deliver(events_.onCloseRequest);
        return;
    }
    GetClientRect(hwnd_, &now);
    if (now.right != wanted.right || now.bottom != wanted.bottom)
        SetWindowPos(hwnd_, nullptr, 0, 0, wanted.right, wanted.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::keepMouseIcon(HCURSOR cursor)
{
    if (mouseIcon_ && mouseIcon_ != cursor)
        DestroyCursor(mouseIcon_);
    mouseIcon_ = cursor;
}

HWND keyboardNavigatedWindow(HWND hwnd)
{
    const HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    return root && GetPropW(root, kTabStopsProperty) ? root : nullptr;
}

void FormWindow::forgetTabStops(HWND hwnd) { RemovePropW(hwnd, kTabStopsProperty); }

} // namespace hv::win32
