#include "platform/win32/windows/win32_window.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_controls.h"
#include "platform/win32/windows/win32_cursor.h"
#include "platform/win32/windows/win32_monitors.h"
#include "platform/win32/windows/win32_skin.h"
#include "platform/win32/windows/win32_timer.h"

#include <algorithm>
#include <stdexcept>

namespace hv::win32 {

namespace {

// A window the program shows besides this one, if any.
HWND otherShownWindow(HWND self)
{
    struct Search {
        HWND self;
        HWND found = nullptr;
    } search{self};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (hwnd == s->self || !IsWindowVisible(hwnd))
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The monitor a new window opens on: the one its design names, else that of
// a window the program already shows, else the one the window is on.
HMONITOR monitorForNewWindow(HWND self, const std::string& id = {})
{
    if (const HMONITOR named = id.empty() ? nullptr : monitorWithId(id))
        return named;
    const HWND other = otherShownWindow(self);
    return MonitorFromWindow(other ? other : self, MONITOR_DEFAULTTOPRIMARY);
}

} // namespace

Win32WindowView::Win32WindowView(
    const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner, const std::string& programName)
    : form_(FormWindow::create(design, std::move(events), std::move(owner), programName))
{
}

Win32WindowView::~Win32WindowView()
{
    // A handler of this window may still be on the stack: the window keeps
    // itself alive until it has returned.
    form_->destroy();
}

template <typename T, typename Design>
T& Win32WindowView::add(const Design& design)
{
    Placement placement{design.rect};
    if (!design.parent.empty()) {
        const auto frame = std::ranges::find(frames_, design.parent, &FrameCorner::name);
        if (frame == frames_.end())
            throw std::logic_error("no frame " + design.parent + " for " + design.name);
        placement.originLeft = frame->left;
        placement.originTop = frame->top;
    }
    T& control = form_->own(std::make_unique<T>(*form_, design, placement));
    if constexpr (requires { design.tabIndex; })
        if (GetWindowLongW(control.hwnd(), GWL_STYLE) & WS_TABSTOP)
            form_->addTabStop(design.tabIndex, control.hwnd());
    return control;
}

Control& Win32WindowView::addLabel(const LabelDesign& design) { return add<Win32Label>(design); }
CheckBox& Win32WindowView::addCheckBox(const ControlDesign& design) { return add<Win32CheckBox>(design); }
ComboBox& Win32WindowView::addComboBox(const ControlDesign& design) { return add<Win32ComboBox>(design); }
Control& Win32WindowView::addPushButton(const ControlDesign& design) { return add<Win32PushButton>(design); }
TextField& Win32WindowView::addTextBox(const ControlDesign& design) { return add<Win32TextBox>(design); }

Control& Win32WindowView::addFrame(const ControlDesign& design)
{
    Control& frame = add<Win32Frame>(design);
    frames_.push_back({design.name, design.rect.left, design.rect.top});
    return frame;
}

hv::Timer& Win32WindowView::addTimer(const TimerDesign& design) { return form_->addTimer(design); }

SkinFramework& Win32WindowView::addSkinFramework()
{
    skins_.push_back(std::make_unique<Win32SkinFramework>());
    return *skins_.back();
}

void Win32WindowView::setApplicationIcon()
{
    // The executable's own icon; a program built without one shows the
    // system's.
    const auto load = [](int size) {
        HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED);
        return icon ? icon : LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, size, size, LR_SHARED);
    };
    const UINT dpi = form_->dpi();
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(GetSystemMetricsForDpi(SM_CXICON, dpi))));
    SendMessageW(
        hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(GetSystemMetricsForDpi(SM_CXSMICON, dpi))));
}

void Win32WindowView::setCaption(const std::string& caption) { SetWindowTextW(hwnd(), widen(caption).c_str()); }

void Win32WindowView::setMouseIcon(const std::string& path)
{
    form_->keepMouseIcon(loadCursorFile(path));
    if (pointer_ == MousePointer::Custom)
        setMousePointer(pointer_);
}

void Win32WindowView::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    // Set on the window, the pointer holds over its controls too.
    switch (pointer) {
    case MousePointer::Hourglass: form_->showCursor(LoadCursorW(nullptr, IDC_WAIT)); break;
    case MousePointer::Custom:
        form_->showCursor(form_->mouseIcon() ? form_->mouseIcon() : LoadCursorW(nullptr, IDC_HAND));
        break;
    case MousePointer::Hidden: form_->showCursor(nullptr); break;
    default: form_->showCursor(std::nullopt); break;
    }
}

void Win32WindowView::prepareFirstShow()
{
    if (!form_->design().centred)
        return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(monitorForNewWindow(hwnd()), &monitor);
    RECT frame;
    GetWindowRect(hwnd(), &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const RECT& work = monitor.rcWork;
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
        work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Win32WindowView::monitor() const { return hwnd() ? monitorIdOf(hwnd()) : std::string(); }

void Win32WindowView::show()
{
    if (!hwnd())
        return;
    const WindowDesign& design = form_->design();
    const bool first = !shownBefore_;
    if (first) {
        shownBefore_ = true;
        prepareFirstShow();
    }
    if (design.maximized && !design.host)
        form_->coverMonitor(monitorForNewWindow(hwnd(), design.monitor));
    form_->tellSizeOnce();
    ShowWindow(hwnd(), SW_SHOW);
    // Inside another program's window it takes neither the foreground nor
    // the focus.
    if (design.host)
        return;
    SetForegroundWindow(hwnd());
    if (first)
        form_->focusFirstTabStop();
}

void Win32WindowView::hide()
{
    if (hwnd())
        ShowWindow(hwnd(), SW_HIDE);
}

void Win32WindowView::close() { form_->closeForGood(); }

} // namespace hv::win32
