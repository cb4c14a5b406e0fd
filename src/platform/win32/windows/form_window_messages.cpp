// The messages of a form window: painting, resizing, keys, the mouse,
// close requests, timers, its controls' notifications and colours, the
// pointer, activation and the monitor's DPI.
#include "platform/win32/windows/form_window.h"

#include "platform/win32/windows/win32_controls.h"
#include "platform/win32/windows/win32_timer.h"

#include <windowsx.h>

namespace hv::win32 {

namespace {

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

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
        // Messages come before CreateWindowExW returns the handle.
        static_cast<FormWindow*>(created->lpCreateParams)->hwnd_ = hwnd;
    }
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
    if (!shownTold_ && events_.onShown) {
        shownTold_ = true;
        SetTimer(hwnd_, kShown, USER_TIMER_MINIMUM, nullptr);
    }
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

void FormWindow::mouseAt(LPARAM lParam)
{
    deliver(events_.onMouseMove);
    if (!events_.onPointerAt || !hwnd_)
        return;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd_, &at);
    deliver([&] { events_.onPointerAt(at.x, at.y); });
}

void FormWindow::keyDown(WPARAM key)
{
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
    if (design_.borderless && design_.maximized) {
        // Its rectangle is its monitor's, whatever the DPI; what it draws
        // is drawn again at the new one.
        RECT client;
        GetClientRect(hwnd_, &client);
        resized(client.right, client.bottom);
        return;
    }
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
    case WM_ERASEBKGND: return 1; // the surface covers the whole client area
    case WM_PAINT: paint(); return 0;
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
    case WM_MOUSEMOVE: mouseAt(lParam); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: deliver(events_.onMouseDown); return 0;
    case WM_CLOSE:
        // The presenter decides; it unloads the window itself.
        deliver(events_.onCloseRequest);
        return 0;
    case WM_TIMER:
        if (wParam == kHostWatch) {
            followHost();
            return 0;
        }
        if (wParam == kShown) {
            KillTimer(hwnd, kShown);
            deliver(events_.onShown);
            return 0;
        }
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
        // The dialog keys send OK for Enter that no push button takes.
        if (LOWORD(wParam) == IDOK && lParam == 0) {
            if (Win32Control* focused = controlOf(GetFocus()))
                focused->enterPressed();
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
            SetCursor(*shownCursor_);
            return TRUE;
        }
        // Without a pointer of the window's, a control shows its own.
        if (reinterpret_cast<HWND>(wParam) != hwnd)
            return FALSE;
        break;
    case WM_ACTIVATE: activated(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_DPICHANGED: dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_DISPLAYCHANGE: displayChanged(); break;
    case DM_GETDEFID:
        // Enter presses the focused push button, as in a dialog.
        if (const Win32Control* control = controlOf(GetFocus());
            control && (SendMessageW(control->hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON))
            return MAKELRESULT(GetDlgCtrlID(control->hwnd()), DC_HASDEFID);
        return 0;
    case WM_NCDESTROY:
        forgetTabStops(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        // A host that goes takes its child along before the watch sees it.
        if (design_.host)
            deliver(events_.onCloseRequest);
        break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace hv::win32
