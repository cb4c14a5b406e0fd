#include "platform/win32/form_window.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/win32_units.h"

#include <algorithm>
#include <cstdio>
#include <exception>

namespace hv::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"HoravistaForm";

DWORD styleOf(const WindowDesign& design)
{
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

void registerWindowClass()
{
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExW(&wc);
    }();
    (void)atom;
}

std::int16_t shiftState()
{
    std::int16_t state = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= 2;
    if (GetKeyState(VK_MENU) < 0)
        state |= 4;
    return state;
}

} // namespace

std::shared_ptr<FormWindow> FormWindow::create(const WindowDesign& design, WindowEvents events,
                                               std::weak_ptr<void> owner)
{
    auto form = std::make_shared<FormWindow>(design, std::move(events), std::move(owner));
    form->build();
    return form;
}

FormWindow::FormWindow(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
    : design_(design), events_(std::move(events)), owner_(std::move(owner)), backColor_(design.backColor)
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

void FormWindow::build()
{
    registerWindowClass();
    hwnd_ = CreateWindowExW(0, kWindowClass, widen(design_.name).c_str(), styleOf(design_), CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    if (!hwnd_)
        throw std::runtime_error("cannot create window " + design_.name);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormWindow::windowProc));
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
    const auto presenter = owner_.lock();
    const auto keep = weak_from_this().lock();
    if (!presenter || !keep || !handler)
        return;
    try {
        handler();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "horavista: %s: %s\n", design_.name.c_str(), e.what());
    }
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
    std::ranges::stable_sort(tabStops_, {}, &TabStop::tabIndex);
}

void FormWindow::focusFirstTabStop()
{
    savedFocus_ = tabStops_.empty() ? hwnd_ : tabStops_.front().control;
    SetFocus(savedFocus_);
}

void FormWindow::moveFocus(bool backwards)
{
    const auto count = static_cast<int>(tabStops_.size());
    const HWND focus = GetFocus();
    const auto at = std::ranges::find(tabStops_, focus, &TabStop::control);
    int index = at == tabStops_.end() ? (backwards ? 0 : -1) : static_cast<int>(at - tabStops_.begin());
    // Hidden controls are passed over; the focus goes round.
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        const HWND next = tabStops_[static_cast<std::size_t>(index)].control;
        if (IsWindowVisible(next) && IsWindowEnabled(next)) {
            SetFocus(next);
            return;
        }
    }
}

void FormWindow::showCursor(HCURSOR cursor)
{
    shownCursor_ = cursor;
    // The pointer changes at once when it is over the window.
    POINT at;
    if (!GetCursorPos(&at))
        return;
    const HWND under = WindowFromPoint(at);
    if (under == hwnd_ || IsChild(hwnd_, under))
        SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW));
}

void FormWindow::keepMouseIcon(HCURSOR cursor)
{
    if (mouseIcon_ && mouseIcon_ != cursor)
        DestroyCursor(mouseIcon_);
    mouseIcon_ = cursor;
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    // Kept alive until this message is handled, whatever a handler unloads.
    const auto keep = self->weak_from_this().lock();
    return self->handle(message, wParam, lParam);
}

void FormWindow::present()
{
    if (!hwnd_ || !canvas_)
        return;
    const RECT changed = canvas_->takeDirty();
    if (!IsRectEmpty(&changed))
        InvalidateRect(hwnd_, &changed, FALSE);
}

void FormWindow::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (canvas_)
        canvas_->paintTo(dc, ps.rcPaint);
    EndPaint(hwnd_, &ps);
}

void FormWindow::tellSizeOnce()
{
    RECT client;
    if (!sizeTold_ && hwnd_ && GetClientRect(hwnd_, &client))
        resized(client.right, client.bottom);
}

void FormWindow::resized(int width, int height)
{
    if (!built_)
        return;
    sizeTold_ = true;
    canvas_->resize(width, height);
    canvas_->clear(backColor_);
    deliver(events_.onResize);
    present();
}

void FormWindow::keyDown(WPARAM key)
{
    if (key == VK_TAB && !tabStops_.empty()) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return;
    }
    if (!events_.onKeyDown)
        return;
    std::int16_t keyCode = static_cast<std::int16_t>(key);
    const std::int16_t shift = shiftState();
    deliver([&] { events_.onKeyDown(keyCode, shift); });
}

void FormWindow::dpiChanged(UINT dpi, const RECT& suggested)
{
    dpi_ = dpi;
    std::vector<std::pair<FontDesign, HFONT>> old;
    old.swap(fonts_);
    canvas_->setFont(font(design_.font));
    for (auto& control : controls_)
        control->relayout();
    for (const auto& [design, stale] : old)
        DeleteObject(stale);
    if (design_.borderless && design_.maximized)
        return; // it covers its monitor again in the resize that follows
    SIZE size{suggested.right - suggested.left, suggested.bottom - suggested.top};
    if (design_.fixedSingle && design_.client.width > 0)
        size = frameSizeForClient();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Control* FormWindow::controlOf(HWND hwnd) const
{
    for (const auto& control : controls_)
        if (control->hwnd() == hwnd)
            return control.get();
    return nullptr;
}

void FormWindow::activated(bool active)
{
    // The focus comes back where the user left it, as in a dialog.
    if (!active) {
        const HWND focus = GetFocus();
        if (focus == hwnd_ || IsChild(hwnd_, focus))
            savedFocus_ = focus;
        return;
    }
    SetFocus(savedFocus_ && IsWindow(savedFocus_) ? savedFocus_ : hwnd_);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A handler may destroy the window: what is left to do uses the handle
    // the message came with.
    const HWND hwnd = hwnd_;
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the surface covers the whole client area
    case WM_PAINT:
        paint();
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            resized(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keyDown(wParam);
        if (message == WM_KEYDOWN)
            return 0;
        break; // Alt+F4 and the system menu go on
    case WM_MOUSEMOVE:
        deliver(events_.onMouseMove);
        return 0;
    case WM_CLOSE:
        // The presenter decides; it unloads the window itself.
        deliver(events_.onCloseRequest);
        return 0;
    case WM_TIMER:
        for (auto& timer : timers_)
            if (timer->id() == wParam) {
                timer->ticked();
                break;
            }
        return 0;
    case WM_COMMAND:
        if (Win32Control* control = controlOf(reinterpret_cast<HWND>(lParam))) {
            control->notified(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        if (const Win32Control* control = controlOf(reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(control->colours(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_SETCURSOR:
        if (shownCursor_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(shownCursor_);
            return TRUE;
        }
        // Without a pointer of the window's, a control shows its own.
        if (reinterpret_cast<HWND>(wParam) != hwnd)
            return FALSE;
        break;
    case WM_ACTIVATE:
        activated(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace hv::win32
