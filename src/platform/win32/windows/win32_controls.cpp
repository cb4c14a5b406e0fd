#include "platform/win32/windows/win32_controls.h"

#include "runtime/runtime.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_units.h"

#include <commctrl.h>

namespace hv::win32 {

namespace {

// Every control clips its siblings: a frame, which lies beneath the
// controls it holds, never paints over them.
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

} // namespace

Win32Control::Win32Control(
    FormWindow& form, Kind kind, const std::string& caption, const Placement& placement, Look look, Handlers handlers)
    : form_(form)
    , onClick_(std::move(handlers.onClick))
    , place_(placement)
    , look_(std::move(look))
    , backColor_(look_.backColor)
    , onMouseMove_(std::move(handlers.onMouseMove))
    , isFrame_(kind.frame)
{
    hwnd_ = CreateWindowExW(kind.exStyle, kind.windowClass, widen(caption).c_str(), kChildStyle | kind.style, 0, 0, 0,
        0, form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.nextControlId())), GetModuleHandleW(nullptr),
        nullptr);
    if (!hwnd_)
        throw RuntimeError(7, "Out of memory");
    if (!SetWindowSubclass(hwnd_, &Win32Control::subclassProc, 0, reinterpret_cast<DWORD_PTR>(this)))
        throw RuntimeError(7, "Out of memory");
    // A frame lies beneath everything, the other controls above it.
    SetWindowPos(hwnd_, isFrame_ ? HWND_BOTTOM : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    relayout();
    setBackColor(look_.backColor);
}

Win32Control::~Win32Control()
{
    if (hwnd_)
        RemoveWindowSubclass(hwnd_, &Win32Control::subclassProc, 0);
    if (brush_)
        DeleteObject(brush_);
}

void Win32Control::relayout()
{
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.font(look_.font)), TRUE);
    place();
}

void Win32Control::place()
{
    const TwipRect& r = place_.rect;
    const int left = form_.pixels(place_.originLeft) + form_.pixels(r.left);
    const int top = form_.pixels(place_.originTop) + form_.pixels(r.top);
    SetWindowPos(hwnd_, nullptr, left, top, form_.pixels(r.width), createdHeight(form_.pixels(r.height)),
        SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Control::setVisible(bool visible)
{
    visible_ = visible;
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Control::setWidth(int twips)
{
    place_.rect.width = twips;
    place();
}

void Win32Control::setHeight(int twips)
{
    place_.rect.height = twips;
    place();
}

void Win32Control::setBackColor(Colour colour)
{
    HBRUSH brush = CreateSolidBrush(toColorref(colour));
    if (!brush)
        throw RuntimeError(7, "Out of memory");
    if (brush_)
        DeleteObject(brush_);
    brush_ = brush;
    backColor_ = colour;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Win32Control::colours(HDC dc) const
{
    SetTextColor(dc, toColorref(look_.foreColor));
    SetBkColor(dc, toColorref(backColor_));
    return brush_;
}

LRESULT CALLBACK Win32Control::subclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    return reinterpret_cast<Win32Control*>(self)->handle(message, wParam, lParam);
}

LRESULT Win32Control::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The form, and this control with it, outlives a handler that lets go
    // of the window.
    const auto keep = form_.weak_from_this().lock();
    const HWND hwnd = hwnd_;
    switch (message) {
    case WM_NCHITTEST:
        // A frame is see-through to the mouse by its class; here the mouse
        // over it is the frame's.
        if (isFrame_)
            return HTCLIENT;
        break;
    case WM_ERASEBKGND:
        if (isFrame_) {
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, brush_);
            return 1;
        }
        break;
    case WM_MOUSEMOVE: form_.deliver(onMouseMove_); break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &Win32Control::subclassProc, 0);
        hwnd_ = nullptr;
        break;
    default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

Win32Label::Win32Label(FormWindow& form, const LabelDesign& design, const Placement& placement)
    : Win32Control(form,
        {WC_STATICW, static_cast<DWORD>(SS_NOTIFY | SS_NOPREFIX | (design.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP))},
        design.caption, placement, {design.font, design.backColor, design.foreColor},
        {design.onClick, design.onMouseMove})
{
}

void Win32Label::notified(WORD code)
{
    // Each press of a double click is a click of its own.
    if (code == STN_CLICKED || code == STN_DBLCLK)
        form_.deliver(onClick_);
}

Win32Frame::Win32Frame(FormWindow& form, const ControlDesign& design, const Placement& placement)
    : Win32Control(form, {WC_BUTTONW, BS_GROUPBOX, 0, true}, design.caption, placement, {design.font, design.backColor},
        {{}, design.onMouseMove})
{
}

Win32PushButton::Win32PushButton(FormWindow& form, const ControlDesign& design, const Placement& placement)
    : Win32Control(form, {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP}, design.caption, placement,
        {design.font, design.backColor}, {design.onClick, design.onMouseMove})
{
}

void Win32PushButton::notified(WORD code)
{
    if (code == BN_CLICKED)
        form_.deliver(onClick_);
}

Win32TextBox::Win32TextBox(FormWindow& form, const ControlDesign& design, const Placement& placement)
    : Win32Control(form, {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE}, design.caption, placement,
        {design.font, design.backColor}, {{}, design.onMouseMove})
    , onEditEnd_(design.onEditEnd)
{
    if (design.maxLength > 0)
        SendMessageW(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
}

std::string Win32TextBox::text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

// Setting the text clears the box's changed flag: it is no edit.
void Win32TextBox::setText(const std::string& text) { SetWindowTextW(hwnd(), widen(text).c_str()); }

void Win32TextBox::notified(WORD code)
{
    if (code == EN_KILLFOCUS)
        editEnded();
}

void Win32TextBox::editEnded()
{
    if (!SendMessageW(hwnd(), EM_GETMODIFY, 0, 0))
        return;
    // A handler's message box takes the focus: that ends no second edit.
    SendMessageW(hwnd(), EM_SETMODIFY, FALSE, 0);
    form_.deliver(onEditEnd_);
}

Win32CheckBox::Win32CheckBox(FormWindow& form, const ControlDesign& design, const Placement& placement)
    : Win32Control(form, {WC_BUTTONW, BS_3STATE | WS_TABSTOP}, design.caption, placement,
        {design.font, design.backColor}, {design.onClick, {}})
{
}

std::int16_t Win32CheckBox::value() const
{
    // Cleared, ticked and greyed are 0, 1 and 2 here as in the program.
    return static_cast<std::int16_t>(SendMessageW(hwnd(), BM_GETCHECK, 0, 0));
}

void Win32CheckBox::setValue(std::int16_t value)
{
    if (checkedCheckState(value) == this->value())
        return;
    SendMessageW(hwnd(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
    form_.deliver(onClick_);
}

void Win32CheckBox::notified(WORD code)
{
    if (code == BN_CLICKED)
        setValue(value() == BST_CHECKED ? 0 : 1);
}

} // namespace hv::win32
