// The keep-awake calls against a real X server (scripts/test provides a
// virtual one); skipped where there is no display.
#include "platform/qt/session/x11_system_input.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <X11/keysym.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};

class X11InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        observer_.reset(XOpenDisplay(nullptr));
        if (!observer_ || !awake_.hasXTest())
            GTEST_SKIP() << "no X display with the XTest extension";
    }

    bool keyDown(unsigned keycode)
    {
        char keys[32];
        XQueryKeymap(observer_.get(), keys);
        return (keys[keycode / 8] >> (keycode % 8)) & 1;
    }
    // The event comes over the program's own connection, which the server
    // may serve after the observer's: the observer waits a while for it.
    bool keyDownSoon(unsigned keycode, bool down)
    {
        for (int tries = 0; tries < 100 && keyDown(keycode) != down; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return keyDown(keycode);
    }

    unsigned long idleMs()
    {
        XScreenSaverInfo* info = XScreenSaverAllocInfo();
        XScreenSaverQueryInfo(observer_.get(), DefaultRootWindow(observer_.get()), info);
        const unsigned long idle = info->idle;
        XFree(info);
        return idle;
    }

    hv::qt::X11KeepAwake awake_;
    std::unique_ptr<Display, DisplayCloser> observer_;
};

TEST_F(X11InputTest, RightShiftIsPressedAndReleased)
{
    const unsigned keycode = XKeysymToKeycode(observer_.get(), XK_Shift_R);
    awake_.pressKey();
    EXPECT_TRUE(keyDownSoon(keycode, true));
    awake_.releaseKey();
    EXPECT_FALSE(keyDownSoon(keycode, false));
}

TEST_F(X11InputTest, ResettingIdleResetsTheIdleTimer)
{
    int event, error;
    if (!XScreenSaverQueryExtension(observer_.get(), &event, &error))
        GTEST_SKIP() << "no screen saver extension";
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    ASSERT_GE(idleMs(), 1000u);
    awake_.resetIdle();
    EXPECT_LT(idleMs(), 500u);
}

} // namespace
