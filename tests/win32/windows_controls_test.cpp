// The options window's kind of window on Windows: controls placed from
// twips, their events as the presenter receives them, colours, the custom
// pointer and the skin.
#include "platform/win32/windows/win32_window.h"
#include "windows_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using namespace hv;
using test::errorNumber;
using test::RecordingEvents;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WindowsControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The real pointer stays off the window: what it does there is not
        // the test's.
        SetCursorPos(1900, 1060);
        const auto controls = test::openOptionsWindow(windows_, view_, events_);
        list_ = controls.list;
        box_ = controls.box;
        RecordingEvents& r = *events_;
        LabelDesign label{"Label1", "Swatch", {120, 2600, 2000, 300}, "", {"Arial", 9, true}};
        label.backColor = 0x0000FF; // red
        label.foreColor = 0xFF0000;
        label.onClick = r.record("click Label1");
        label.onMouseMove = r.record("move Label1");
        label_ = &view_->addLabel(label);
        form_ = dynamic_cast<win32::Win32WindowView&>(*view_).hwnd();
    }

    HWND child(const wchar_t* windowClass, const wchar_t* text) const
    {
        return FindWindowExW(form_, nullptr, windowClass, text);
    }
    HWND button() const { return child(WC_BUTTONW, L"Show Fullscreen Clock"); }
    HWND box() const { return child(WC_BUTTONW, L"Prevent computer from sleeping"); }
    HWND list() const { return child(WC_COMBOBOXW, nullptr); }
    RECT inClient(HWND control) const
    {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    void showWindow()
    {
        view_->show();
        UpdateWindow(form_);
        test::runMessages(std::chrono::milliseconds(50));
    }

    std::shared_ptr<RecordingEvents> events_ = std::make_shared<RecordingEvents>();
    win32::Win32WindowFactory windows_{"Horavista"};
    std::unique_ptr<WindowView> view_;
    ComboBox* list_ = nullptr;
    CheckBox* box_ = nullptr;
    Control* label_ = nullptr;
    HWND form_ = nullptr;
};

TEST_F(WindowsControls, TwipsBecomePixelsAndFramesCarryTheirChildren)
{
    RECT client;
    GetClientRect(form_, &client);
    EXPECT_EQ(client.right, 536);
    EXPECT_EQ(client.bottom, 330);
    const LONG style = GetWindowLongW(form_, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION && style & WS_SYSMENU && style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));

    const struct {
        HWND control;
        RECT pixels;
        int fontHeight;
    } cases[] = {
        {button(), {8, 8, 528, 35}, -15}, {child(WC_BUTTONW, L"Select Time Zone"), {8, 37, 528, 91}, -12},
        {box(), {24, 116, 377, 133}, -12}, // Frame1 at (8, 96) plus (16, 20)
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.control);
        const RECT r = inClient(c.control);
        EXPECT_TRUE(EqualRect(&r, &c.pixels)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.control, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, c.fontHeight);
        EXPECT_EQ(font.lfWeight, FW_BOLD);
    }
    EXPECT_EQ(inClient(list()).left, 24);
    box_->setWidth(3000);
    EXPECT_EQ(inClient(box()).right - inClient(box()).left, 200);
    EXPECT_EQ(box_->width(), 3000);
}

TEST_F(WindowsControls, TheWindowIsCentredAndTabGoesRoundFromTheFirstTabStop)
{
    showWindow();
    RECT frame;
    GetWindowRect(form_, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_LE(std::abs((frame.left + frame.right) - (monitor.rcWork.left + monitor.rcWork.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (monitor.rcWork.top + monitor.rcWork.bottom)), 2);

    const auto tab = [] {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        test::runMessages(std::chrono::milliseconds(20));
    };
    const HWND order[] = {list(), box(), button()};
    for (HWND control : order) {
        EXPECT_EQ(GetFocus(), control);
        tab();
    }
    EXPECT_EQ(GetFocus(), order[0]);

    box_->setVisible(false); // a hidden control is passed over
    tab();
    EXPECT_EQ(GetFocus(), button());
}

TEST_F(WindowsControls, ACheckBoxReportsEachChangeOnceByCodeOrByTheUser)
{
    showWindow();
    box_->setValue(1);
    box_->setValue(1);
    EXPECT_THAT(events_->take(), ElementsAre("click Check4"));

    box_->setValue(2);
    EXPECT_EQ(SendMessageW(box(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    SendMessageW(box(), BM_CLICK, 0, 0);
    EXPECT_EQ(box_->value(), 1); // a greyed box the user clicks turns ticked
    SendMessageW(box(), BM_CLICK, 0, 0);
    EXPECT_EQ(box_->value(), 0);
    EXPECT_THAT(events_->take(), ElementsAre("click Check4", "click Check4", "click Check4"));

    EXPECT_EQ(errorNumber([&] { box_->setValue(3); }), 380);
    EXPECT_EQ(box_->value(), 0);
}

TEST_F(WindowsControls, TheListSortsWithoutRegardToCaseAndKeepsEachEntrysData)
{
    test::expectSortedListWithData(*list_, *events_);
    list_->setItemData(0, -7);
    EXPECT_EQ(list_->itemData(0), -7);

    // The user picks an entry: the list tells its window.
    const auto pick = [&](int position) {
        SendMessageW(list(), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
        SendMessageW(
            form_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list()), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list()));
    };
    pick(4);
    pick(4);
    EXPECT_EQ(list_->listIndex(), 4);
    EXPECT_THAT(events_->take(), ElementsAre("click Combo1"));

    list_->clear();
    EXPECT_EQ(list_->listCount(), 0);
    EXPECT_EQ(list_->listIndex(), -1);
    EXPECT_THAT(events_->log, IsEmpty());

    // Filled again, the list finds each entry's place without asking the
    // control for the texts it holds: with a list as long as the zones',
    // those questions were much of what a fill cost.
    int textQuestions = 0;
    const auto count = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        if (message == CB_GETLBTEXT || message == CB_GETLBTEXTLEN)
            ++*reinterpret_cast<int*>(data);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    };
    SetWindowSubclass(list(), count, 1, reinterpret_cast<DWORD_PTR>(&textQuestions));
    for (const char* entry : {"b", "C", "a"})
        list_->addItem(entry);
    RemoveWindowSubclass(list(), count, 1);
    EXPECT_EQ(textQuestions, 0);
    EXPECT_EQ(list_->itemText(0) + list_->itemText(1) + list_->itemText(2), "abC");
}

TEST_F(WindowsControls, ButtonsFramesAndLabelsReportClicksKeysAndTheMouse)
{
    showWindow();
    for (HWND over : {button(), child(WC_BUTTONW, L"Prevent Option"), box(), child(WC_STATICW, L"Swatch"), form_})
        SendMessageW(over, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    // A box reports none.
    EXPECT_THAT(events_->take(), ElementsAre("move PushButton1", "move Frame1", "move Label1", "move "));
    // The mouse over a frame is the frame's, and over what it holds that
    // control's.
    const auto under = [&](POINT at) {
        ClientToScreen(form_, &at);
        return WindowFromPoint(at);
    };
    EXPECT_EQ(under({400, 140}), child(WC_BUTTONW, L"Prevent Option"));
    EXPECT_EQ(under({30, 124}), box());

    SendMessageW(button(), BM_CLICK, 0, 0);
    SetFocus(button());
    PostMessageW(button(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(button(), WM_KEYDOWN, VK_RETURN, 1 | 1 << 30); // a held key repeats: one press
    test::runMessages(std::chrono::milliseconds(20));
    SetFocus(box());
    PostMessageW(box(), WM_KEYDOWN, VK_RETURN, 1); // a box is no button
    test::runMessages(std::chrono::milliseconds(20));
    const HWND label = child(WC_STATICW, L"Swatch");
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_THAT(events_->take(), ElementsAre("click PushButton1", "click PushButton1", "click Label1"));
}

TEST_F(WindowsControls, ATextBoxTellsAnEditEndedByEnterOrByLeavingTheBox)
{
    ControlDesign design{"Text1", "22:00", {120, 3000, 780, 345}, {"Arial", 9, true}, {}, 20};
    design.onEditEnd = events_->record("edit Text1");
    design.maxLength = 5;
    TextField& text = view_->addTextBox(design);
    showWindow();
    const HWND edit = child(WC_EDITW, nullptr);
    ASSERT_TRUE(edit);
    const auto type = [&](const wchar_t* keys) {
        for (const wchar_t* key = keys; *key; ++key)
            PostMessageW(edit, WM_CHAR, *key, 1);
        test::runMessages(std::chrono::milliseconds(20));
    };

    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    type(L"06:150"); // a sixth character finds no room
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    test::runMessages(std::chrono::milliseconds(20));
    EXPECT_EQ(text.text(), "06:15");
    EXPECT_THAT(events_->take(), ElementsAre("edit Text1"));

    // Text set by the program, and leaving a box the user did not change,
    // end no edit; leaving a changed one does.
    text.setText("07:00");
    SetFocus(box());
    EXPECT_THAT(events_->take(), IsEmpty());
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    type(L"5:30");
    SetFocus(box());
    EXPECT_EQ(text.text(), "5:30");
    EXPECT_THAT(events_->take(), ElementsAre("edit Text1"));
}

TEST_F(WindowsControls, ALabelShowsItsOwnColoursUntilTheyChange)
{
    showWindow();
    const HWND label = child(WC_STATICW, L"Swatch");
    HDC dc = GetDC(form_);
    const RECT r = inClient(label);
    const auto pixel = [&] {
        RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
        return GetPixel(dc, r.right - 2, r.bottom - 2);
    };
    EXPECT_EQ(pixel(), RGB(255, 0, 0));
    label_->setBackColor(kButtonFace);
    EXPECT_EQ(pixel(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(label_->backColor(), kButtonFace);
    ReleaseDC(form_, dc);

    HDC labelDc = GetDC(label);
    SendMessageW(form_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(labelDc), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetTextColor(labelDc), RGB(0, 0, 255));
    ReleaseDC(label, labelDc);
}

TEST_F(WindowsControls, TheCustomPointerIsTheCursorFileElseTheHand)
{
    const auto shown = [&] {
        SetCursor(nullptr);
        SendMessageW(form_, WM_SETCURSOR, reinterpret_cast<WPARAM>(button()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    view_->setMousePointer(MousePointer::Custom);
    EXPECT_EQ(shown(), LoadCursorW(nullptr, IDC_HAND));

    const test::TempFile cursor("hand.cur", test::cursorFile(3, 5));
    view_->setMouseIcon(cursor.path());
    const HCURSOR fromFile = shown();
    EXPECT_NE(fromFile, LoadCursorW(nullptr, IDC_HAND));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(fromFile, &info));
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 5u);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);

    const test::TempFile png("picture.png", "\x89PNG\r\n\x1a\n0000000000000000000000");
    const test::TempFile empty("empty.cur", "");
    EXPECT_EQ(errorNumber([&] { view_->setMouseIcon(png.path()); }), 481);
    EXPECT_EQ(errorNumber([&] { view_->setMouseIcon(empty.path()); }), 481);
    EXPECT_EQ(errorNumber([&] { view_->setMouseIcon(cursor.path() + ".missing"); }), 75);
    EXPECT_EQ(shown(), fromFile);

    view_->setMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(shown(), LoadCursorW(nullptr, IDC_WAIT));
    view_->setMousePointer(MousePointer::Default);
    EXPECT_EQ(shown(), nullptr) << "the default leaves each window its own";
}

TEST_F(WindowsControls, ASkinFileThatCanBeOpenedIsTaken)
{
    SkinFramework& skin = view_->addSkinFramework();
    const test::TempFile empty("o.cjs", "");
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(empty.path() + ".missing", ""); }), 75);
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(empty.path(), ""); }), 75);
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(std::filesystem::temp_directory_path().string(), ""); }), 75);
    const test::TempFile file("skin.cjs", "[Skin]\r\n");
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(file.path(), ""); }), 0);
    skin.setApplyOptions(skin.applyOptions() | 1);
    EXPECT_EQ(skin.applyOptions(), 1);
}

} // namespace
