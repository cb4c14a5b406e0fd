// The clock's kind of window on Windows and the rules every window keeps:
// it covers its monitor, hears keys and close requests, ticks on whole
// seconds, and tells a presenter nothing once closed or gone; the screen
// saver's window, pointerless or inside a host; and the system's modal
// boxes and the event pump.
#include "clock/tick_phase.h"
#include "platform/win32/windows/win32_dialogs.h"
#include "platform/win32/win32_lifetime.h"
#include "platform/win32/windows/win32_window.h"
#include "windows_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using namespace hv;
using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Stands in for a presenter: it owns its window and hears its events.
struct Listener {
    std::unique_ptr<WindowView> view;
    std::vector<std::string> heard;
    std::function<void()> hear(std::string what)
    {
        return [this, what] { heard.push_back(what); };
    }
};

class WindowsWindow : public ::testing::Test {
protected:
    // The clock's window: borderless, maximized, with a hint label, a
    // whole-second timer and a key handler that writes down each key.
    void openClock(Listener& listener, std::weak_ptr<void> owner, std::uintptr_t host = 0,
        const std::function<void(WindowEvents&)>& moreEvents = {})
    {
        WindowEvents events;
        events.onResize = listener.hear("resize");
        events.onKeyDown
            = [&listener](std::int16_t& key, std::int16_t) { listener.heard.push_back("key " + std::to_string(key)); };
        events.onCloseRequest = listener.hear("close request");
        if (moreEvents)
            moreEvents(events);
        WindowDesign design;
        design.name = "Form2";
        design.borderless = true;
        design.maximized = true;
        design.host = host;
        design.backColor = kBlack;
        listener.view = windows_.createWindow(design, events, std::move(owner));
        LabelDesign hint;
        hint.name = "Label1";
        hint.caption = "Press ESC To Exit.";
        hint.rect = {120, 120, 4215, 495};
        listener.view->addLabel(hint);
    }
    // A window whose check box, button and fast timer report by name.
    void openOptions(Listener& listener, std::weak_ptr<void> owner, std::function<void()> onClick = {})
    {
        WindowDesign design;
        design.name = "Form1";
        listener.view = windows_.createWindow(design, {}, std::move(owner));
        box_ = &listener.view->addCheckBox(
            {"Check1", "Tick", {120, 120, 2000, 255}, {}, {}, 0, kWhite, listener.hear("Check1")});
        listener.view->addPushButton({"PushButton1", "Go", {120, 600, 2000, 405}, {}, {}, 1, kWhite,
            onClick ? onClick : listener.hear("PushButton1")});
        listener.view->addTimer({"Timer1", 1, true, {}, listener.hear("Timer1")});
    }
    static HWND hwndOf(const WindowView& view) { return dynamic_cast<const win32::Win32WindowView&>(view).hwnd(); }
    static HWND button(const WindowView& view) { return FindWindowExW(hwndOf(view), nullptr, WC_BUTTONW, L"Go"); }

    win32::Win32WindowFactory windows_{"Horavista"};
    CheckBox* box_ = nullptr;
};

TEST_F(WindowsWindow, TheClockCoversItsMonitorAndHearsKeysAndCloseRequests)
{
    auto listener = std::make_shared<Listener>();
    openClock(*listener, listener);
    WindowView& view = *listener->view;
    view.show();
    const HWND hwnd = hwndOf(view);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(client.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(view.canvas().width(), client.right);
    EXPECT_EQ(view.canvas().height(), client.bottom);
    EXPECT_EQ(std::ranges::count(listener->heard, "resize"), 1);
    listener->heard.clear();

    // Typed keys come as key codes, letters whatever the case; Esc is 27.
    for (const wchar_t typed : {L'h', L'I', L'd', L'e'}) {
        const auto key = static_cast<WPARAM>(towupper(typed));
        PostMessageW(hwnd, WM_KEYDOWN, key, 1);
        PostMessageW(hwnd, WM_CHAR, typed, 1);
    }
    PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
    test::runMessages(50ms);
    EXPECT_THAT(listener->heard, ElementsAre("key 72", "key 73", "key 68", "key 69", "key 27"));
    listener->heard.clear();

    // The close box and Alt+F4 only ask; the window stays until unloaded.
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    SendMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, 1 | 1 << 29);
    test::runMessages(50ms);
    EXPECT_THAT(listener->heard, ElementsAre("close request", "key 115", "close request"));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    view.close();
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

// The clock sets no caption: the taskbar and Alt+Tab show the program's
// name, never the window's inner name.
TEST_F(WindowsWindow, TheClockCoversItsMonitorAgainAfterADisplayChange)
{
    auto listener = std::make_shared<Listener>();
    openClock(*listener, listener);
    listener->view->show();
    const HWND hwnd = hwndOf(*listener->view);
    SetWindowPos(hwnd, nullptr, 10, 10, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    RECT covered;
    GetWindowRect(hwnd, &covered);
    EXPECT_EQ(covered.left, 0);
    EXPECT_EQ(covered.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(covered.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(WindowsWindow, AHiddenPointerShowsNoneAndMovesAndClicksAreTold)
{
    auto listener = std::make_shared<Listener>();
    openClock(*listener, listener, 0, [&](WindowEvents& events) {
        events.onPointerAt
            = [&](int x, int y) { listener->heard.push_back("at " + std::to_string(x) + "," + std::to_string(y)); };
        events.onMouseDown = listener->hear("down");
    });
    WindowView& view = *listener->view;
    view.show();
    const HWND hwnd = hwndOf(view);
    SetWindowPos(hwnd, nullptr, 100, 50, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    view.setMousePointer(MousePointer::Hidden);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), nullptr);
    listener->heard.clear();
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(7, 9));
    for (const UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN})
        SendMessageW(hwnd, button, 0, 0);
    EXPECT_THAT(listener->heard, ElementsAre("at 107,59", "down", "down", "down"));
}

TEST_F(WindowsWindow, AWindowInAHostFillsItFollowsItsSizeAndAsksToCloseWhenItGoes)
{
    const HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 240,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    auto listener = std::make_shared<Listener>();
    openClock(*listener, listener, reinterpret_cast<std::uintptr_t>(host));
    listener->view->show();
    const HWND hwnd = hwndOf(*listener->view);
    EXPECT_EQ(GetParent(hwnd), host);
    const auto sameSize = [&] {
        RECT inner, outer;
        GetClientRect(hwnd, &inner);
        GetClientRect(host, &outer);
        return inner.right == outer.right && inner.bottom == outer.bottom;
    };
    EXPECT_TRUE(sameSize());
    // The host may belong to another program: its size is checked now and
    // then, not heard.
    SetWindowPos(host, nullptr, 0, 0, 420, 330, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    test::runMessages(800ms);
    EXPECT_TRUE(sameSize());
    RECT inner;
    GetClientRect(hwnd, &inner);
    EXPECT_EQ(listener->view->canvas().width(), inner.right);
    listener->heard.clear();
    DestroyWindow(host);
    test::runMessages(50ms);
    EXPECT_THAT(listener->heard, ElementsAre("close request"));
}

TEST_F(WindowsWindow, AWindowWithoutACaptionIsTitledWithTheProgramsName)
{
    auto listener = std::make_shared<Listener>();
    openClock(*listener, listener);
    wchar_t title[64] = {};
    GetWindowTextW(hwndOf(*listener->view), title, 64);
    EXPECT_STREQ(title, L"Horavista");
}

TEST_F(WindowsWindow, AClosedWindowTellsItsPresenterNothing)
{
    auto listener = std::make_shared<Listener>();
    openOptions(*listener, listener);
    listener->view->show();
    const auto everything = [&] {
        box_->setValue(box_->value() == 1 ? 0 : 1);
        SendMessageW(button(*listener->view), BM_CLICK, 0, 0);
        test::runMessages(60ms);
        return std::exchange(listener->heard, {});
    };
    const auto heard = everything();
    for (const char* what : {"Check1", "PushButton1", "Timer1"})
        EXPECT_GT(std::ranges::count(heard, what), 0) << what;

    listener->view->close();
    EXPECT_THAT(everything(), IsEmpty());
}

TEST_F(WindowsWindow, NoHandlerRunsOnceThePresenterIsGone)
{
    Listener listener;
    auto presenter = std::make_shared<int>();
    openOptions(listener, presenter);
    presenter.reset();
    box_->setValue(1);
    SendMessageW(button(*listener.view), BM_CLICK, 0, 0);
    test::runMessages(30ms);
    EXPECT_THAT(listener.heard, IsEmpty());
}

TEST_F(WindowsWindow, AHandlerMayUnloadItsOwnWindowAndPresenter)
{
    auto listener = std::make_shared<Listener>();
    std::weak_ptr<Listener> alive = listener;
    bool clicked = false;
    openOptions(*listener, listener, [&] {
        // The presenter lets its window go and is let go itself; it lives
        // on until this call has returned.
        listener->view.reset();
        listener.reset();
        ASSERT_FALSE(alive.expired());
        clicked = true;
    });
    listener->view->show();
    const HWND hwnd = hwndOf(*listener->view);
    SendMessageW(button(*listener->view), BM_CLICK, 0, 0);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(alive.expired());
    EXPECT_FALSE(IsWindow(hwnd));
    test::runMessages(30ms);
}

TEST_F(WindowsWindow, AWholeSecondTimerTicksJustAfterWholeSecondsUntilDisabled)
{
    auto listener = std::make_shared<Listener>();
    openClock(*listener, listener);
    std::vector<std::int64_t> ticks;
    Timer& timer = listener->view->addTimer(
        {"Timer1", 1000, true, msToNextTick, [&] {
             using namespace std::chrono;
             ticks.push_back(duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
         }});
    test::runMessages(2600ms);
    ASSERT_GE(ticks.size(), 2u);
    for (const std::int64_t at : ticks)
        EXPECT_LT(at % 1000, 500) << "a tick lands on the second, not a whole interval after the last";
    EXPECT_GE(ticks[1] - ticks[0], 1000 - 500);

    timer.setEnabled(false);
    ticks.clear();
    test::runMessages(1200ms);
    EXPECT_THAT(ticks, IsEmpty());
}

TEST_F(WindowsWindow, AMessageBoxShowsTheTextTitleAndButtonItIsGiven)
{
    win32::Win32MessageBoxes boxes;
    int pressed = 0;
    std::wstring caption;
    {
        const test::DialogAnswer answer(IDOK);
        pressed
            = boxes.show("Invalid property value\r\nin Horavista.Form1.Form_Load at line 112", 48, "Application Error");
        caption = answer.caption;
    }
    EXPECT_EQ(pressed, IDOK);
    EXPECT_EQ(caption, L"Application Error");
}

TEST_F(WindowsWindow, TheColourDialogHandsBackWhatItWasGivenWhenCancelled)
{
    win32::Win32ColourDialog dialog;
    {
        const test::DialogAnswer answer(IDCANCEL);
        EXPECT_EQ(dialog.showColor(kButtonFace), kButtonFace);
    }
    const test::DialogAnswer answer(IDOK);
    EXPECT_EQ(dialog.showColor(0x0000FF), 0x0000FF) << "the dialog starts at the colour given";
}

TEST_F(WindowsWindow, TheEventPumpRunsWhatWaitsAndLeavesAQuitForTheLoop)
{
    auto listener = std::make_shared<Listener>();
    openOptions(*listener, listener);
    PostMessageW(button(*listener->view), BM_CLICK, 0, 0);
    PostQuitMessage(3);
    win32::Win32EventPump().pumpEvents();
    EXPECT_GT(std::ranges::count(listener->heard, "PushButton1"), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST(WindowsLifetime, EndingNowEndsTheProcessWithItsStatus)
{
    EXPECT_EXIT(win32::Win32Lifetime().endNow(3), ::testing::ExitedWithCode(3), "");
}

} // namespace
