// The monitors as the Windows front-end lists them, and one word of a
// change however many display changes Windows sends for it.
#include "platform/win32/windows/win32_monitors.h"
#include "windows_test_support.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

using namespace std::chrono_literals;

TEST(MonitorsTest, ThePrimaryComesFirstWithTheDesktopsSizeAndDpi)
{
    const std::vector<Monitor> monitors = Win32Monitors().list();
    ASSERT_FALSE(monitors.empty());
    const Monitor& primary = monitors.front();
    EXPECT_EQ(primary.left, 0);
    EXPECT_EQ(primary.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(primary.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(primary.dpi, static_cast<int>(GetDpiForSystem()));
    EXPECT_EQ(primary.id, monitorIdOf(GetDesktopWindow()));
    EXPECT_EQ(monitorWithId(primary.id), MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

TEST(MonitorsTest, ABurstOfDisplayChangesGivesOneCall)
{
    Win32Monitors monitors;
    int calls = 0;
    monitors.onChange([&] { ++calls; });
    const HWND listener = FindWindowW(L"HoravistaMonitors", nullptr);
    ASSERT_TRUE(listener);
    for (int i = 0; i < 3; ++i)
        SendMessageW(listener, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    test::runMessages(1s);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace hv::win32
