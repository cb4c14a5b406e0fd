// One word of a change of the monitors however many display changes
// Windows sends for it.
#include "platform/win32/windows/win32_monitors.h"
#include "windows_test_support.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

using namespace std::chrono_literals;

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
