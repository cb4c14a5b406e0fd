// The whole program on the Windows front-end: the options window with
// Windows' own zone list, the clock over the monitor and back with Esc, and
// the log-in entry. The options live in a key of the test's own; the
// program is never closed here, since that ends the process.
#include "app/program.h"
#include "clock/geometry.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_units.h"
#include "scratch_key.h"
#include "shared/settings_keys.h"
#include "windows_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

namespace hv::win32 {
namespace {

using namespace std::chrono_literals;
using testing::ScratchKey;
using testing::storedText;

const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr Colour kClockColour = 0x00FFFF; // yellow, so the dial is told from the defaults

// The top-level windows this thread shows.
std::vector<HWND> shownWindows()
{
    std::vector<HWND> shown;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) -> BOOL {
            if (IsWindowVisible(hwnd))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}

HWND button(HWND form, const wchar_t* caption) { return FindWindowExW(form, nullptr, WC_BUTTONW, caption); }

// Answers every message box the program shows until stopped, keeping its
// text: an error box fails the test instead of hanging it.
class BoxWatch {
public:
    BoxWatch()
        : thread_([this] {
            while (!stop_) {
                if (HWND box = FindWindowW(L"#32770", nullptr)) {
                    wchar_t text[512] = {};
                    GetDlgItemTextW(box, 0xFFFF, text, 512);
                    seen_.push_back(text);
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                }
                Sleep(20);
            }
        })
    {
    }
    BoxWatch(const BoxWatch&) = delete;
    BoxWatch& operator=(const BoxWatch&) = delete;
    ~BoxWatch() { stop(); }
    // The texts of the boxes answered.
    std::vector<std::wstring> stop()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        return seen_;
    }

private:
    std::vector<std::wstring> seen_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

// The real Windows platform, but for the options' key.
struct FlowTest : ::testing::Test {
    FlowTest()
    {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun.c_str(), entryName.c_str());
        settings.write("Clock Color", std::to_string(kClockColour));
    }
    ~FlowTest() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun.c_str(), entryName.c_str()); }

    // The one window shown, after the program has run its messages.
    HWND onlyShownWindow()
    {
        test::runMessages(300ms);
        const auto shown = shownWindows();
        EXPECT_EQ(shown.size(), 1u);
        return shown.empty() ? nullptr : shown.front();
    }

    Win32Platform parts{settings::kOrganisation, settings::kApplication};
    const std::wstring entryName = std::filesystem::path(widen(parts.files.executablePath())).filename().wstring();
    ScratchKey options{L"Software\\Horavista tests\\flow"};
    Win32SettingsStore settings{options.path()};
    Platform platform{settings, parts.windows, parts.messageBoxes, parts.colourDialog, parts.events, parts.lifetime,
        parts.timeOfDay, parts.keepAwake, parts.zones, parts.files, parts.logInStart, parts.monitors};
    BoxWatch boxes;
};

TEST_F(FlowTest, OptionsThenTheClockOverTheMonitorThenBackWithEsc)
{
    SetCursorPos(0, 0);
    Program program(platform);
    program.start();
    const HWND options = onlyShownWindow();
    ASSERT_TRUE(options);
    const HWND zones = FindWindowExW(options, nullptr, WC_COMBOBOXW, nullptr);
    EXPECT_GT(SendMessageW(zones, CB_GETCOUNT, 0, 0), 100) << "Windows' own catalogue fills the list";
    EXPECT_NE(SendMessageW(zones, CB_GETCURSEL, 0, 0), CB_ERR);

    SendMessageW(button(options, L"Show Fullscreen Clock"), BM_CLICK, 0, 0);
    const HWND clock = onlyShownWindow();
    ASSERT_TRUE(clock);
    ASSERT_NE(clock, options);
    EXPECT_EQ(GetWindowLongW(clock, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(clock, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT covered;
    GetWindowRect(clock, &covered);
    EXPECT_TRUE(EqualRect(&covered, &monitor.rcMonitor));

    // The first frame comes with the first whole second.
    test::runMessages(1500ms);
    const ClockGeometry dial = geometryFor(covered.right - covered.left, covered.bottom - covered.top);
    HDC dc = GetDC(clock);
    bool ringInClockColour = false;
    const int ringY = dial.centerY + static_cast<int>(dial.radius);
    for (int y = ringY - 3; y <= ringY + 3; ++y)
        ringInClockColour = ringInClockColour || GetPixel(dc, dial.centerX, y) == toColorref(kClockColour);
    EXPECT_TRUE(ringInClockColour) << "the dial's rim at six o'clock";
    EXPECT_EQ(GetPixel(dc, 2, covered.bottom - covered.top - 3), RGB(0, 0, 0)) << "the background";
    ReleaseDC(clock, dc);

    PostMessageW(clock, WM_KEYDOWN, VK_ESCAPE, 1);
    const HWND again = onlyShownWindow();
    EXPECT_FALSE(IsWindow(clock)) << "the clock is unloaded";
    ASSERT_TRUE(again);
    EXPECT_TRUE(button(again, L"Show Fullscreen Clock")) << "the options window is back";

    // The log-in entry, named after the executable and quoted, comes and
    // goes with the box.
    const HWND startUp = button(again, L"Load this software on Windows startup");
    SendMessageW(startUp, BM_CLICK, 0, 0);
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, kRun, entryName), L"\"" + widen(parts.files.executablePath()) + L"\"");
    SendMessageW(startUp, BM_CLICK, 0, 0);
    EXPECT_FALSE(storedText(HKEY_CURRENT_USER, kRun, entryName));

    test::runMessages(100ms);
    const auto answered = boxes.stop();
    EXPECT_TRUE(answered.empty()) << narrow(answered.front());
}

} // namespace
} // namespace hv::win32
