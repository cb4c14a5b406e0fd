// The program as a display mode of a screen-saver daemon, run for real
// against the X server of the tests (scripts/test provides a virtual one);
// skipped where there is none.
#include <QProcess>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};

class DisplayModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_.reset(XOpenDisplay(nullptr));
        if (!display_)
            GTEST_SKIP() << "no X display";
    }

    void TearDown() override
    {
        program_.kill();
        program_.waitForFinished();
    }

    void start(const QStringList& arguments, const QString& platform = "xcb")
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", platform);
        program_.setProcessEnvironment(env);
        program_.start(HORAVISTA_PROGRAM, arguments);
        ASSERT_TRUE(program_.waitForStarted());
    }

    // The daemon's window: grey, so the clock's black and white show up.
    Window daemonWindow()
    {
        Display* d = display_.get();
        const Window window = XCreateSimpleWindow(d, DefaultRootWindow(d), 50, 40, kWidth, kHeight, 0, 0, 0x808080);
        XMapWindow(d, window);
        XSync(d, False);
        return window;
    }

    // The window's children, each with its size.
    std::vector<std::pair<int, int>> childSizes(Window window)
    {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        std::vector<std::pair<int, int>> sizes;
        XQueryTree(display_.get(), window, &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display_.get(), children[i], &attributes);
            sizes.emplace_back(attributes.width, attributes.height);
        }
        XFree(children);
        return sizes;
    }

    // How many of the window's pixels are black and how many white.
    std::pair<int, int> blackAndWhite(Window window)
    {
        XImage* image = XGetImage(display_.get(), window, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
        int black = 0, white = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y) & 0xffffff;
                black += pixel == 0;
                white += pixel == 0xffffff;
            }
        XDestroyImage(image);
        return {black, white};
    }

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;
    std::unique_ptr<Display, DisplayCloser> display_;
    QProcess program_;
};

template <typename Condition>
bool soon(Condition condition)
{
    for (int tries = 0; tries < 100; ++tries) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST_F(DisplayModeTest, DrawsTheClockIntoTheDaemonsWindowAndEndsWithIt)
{
    const Window window = daemonWindow();
    start({"--window-id", QString::number(window)});

    // One window of the program's inside, filling it, with the clock: a
    // black dial face and white hands, ticks and numerals.
    const std::vector<std::pair<int, int>> filled{{kWidth, kHeight}};
    EXPECT_TRUE(soon([&] { return childSizes(window) == filled; }));
    EXPECT_TRUE(soon([&] {
        const auto [black, white] = blackAndWhite(window);
        return black > kWidth * kHeight / 2 && white > 500;
    }));

    XDestroyWindow(display_.get(), window);
    XSync(display_.get(), False);
    EXPECT_TRUE(program_.waitForFinished(5000));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
}

TEST_F(DisplayModeTest, RefusesWithoutAnX11WindowToDrawInto)
{
    const Window window = daemonWindow();
    XDestroyWindow(display_.get(), window);
    XSync(display_.get(), False);
    start({"--window-id", QString::number(window)});
    ASSERT_TRUE(program_.waitForFinished(5000));
    EXPECT_EQ(program_.exitCode(), 2);
    EXPECT_EQ(program_.readAllStandardError(),
        QString("horavista: there is no window 0x%1 on the display\n").arg(window, 0, 16).toUtf8());

    start({"--root"}, "offscreen");
    ASSERT_TRUE(program_.waitForFinished(5000));
    EXPECT_EQ(program_.exitCode(), 2);
    EXPECT_EQ(program_.readAllStandardError(),
        "horavista: --window-id, --root and XSCREENSAVER_WINDOW need an X11 display\n");
}

} // namespace
