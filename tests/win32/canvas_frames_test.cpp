// The DIB canvas over whole clock frames: whatever it reuses, a frame comes
// out as if drawn whole on a fresh canvas, what it reports as changed
// covers every changed pixel, and a resize or a size beyond the image
// limit leaves it working.
#include "canvas_test_support.h"
#include "clock/frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace hv;
using canvas_test::colourAt;
using canvas_test::inside;
using canvas_test::isEmpty;
using win32::DibCanvas;

constexpr double kTen = 10 * 3600 + 8 * 60 + 37; // 10:08:37
constexpr Colour kRed = 255;

void drawClock(Canvas& canvas, double t, Colour clock = kWhite, Colour background = kBlack, const FrameLook& look = {})
{
    MemorySettingsStore store;
    store.write("Clock Color", std::to_string(clock));
    Surface surface(canvas, kButtonText);
    ClockPainter(surface, geometryFor(canvas.width(), canvas.height()), store, look).draw(t, background);
}

std::vector<std::uint32_t> copyOf(const DibCanvas& canvas)
{
    const auto p = canvas.pixels();
    return {p.begin(), p.end()};
}

// Pixels that differ between two copies and lie outside the rectangle.
int changedOutside(
    const std::vector<std::uint32_t>& before, const std::vector<std::uint32_t>& after, int width, const RECT& dirty)
{
    int count = 0;
    for (std::size_t i = 0; i < after.size(); ++i)
        if ((before[i] & 0xFFFFFF) != (after[i] & 0xFFFFFF)
            && !inside(dirty, static_cast<int>(i) % width, static_cast<int>(i) / width))
            ++count;
    return count;
}

int differing(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
{
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        count += (a[i] & 0xFFFFFF) != (b[i] & 0xFFFFFF);
    return count;
}

TEST(DibCanvasFrames, EveryFrameHasThePixelsOfAFrameDrawnWholeAndItsDirtyRectCoversTheChange)
{
    struct Frame {
        const char* name;
        double t;
        Colour clock = kWhite, background = kBlack;
        FrameLook look = {};
    };
    // Night from 10:00 to 11:00 at half the colour; the dial moving.
    const FrameLook night{true, 600, 660, 50}, moving{.screenCare = true};
    const Frame frames[] = {
        {"first", kTen},
        {"same again", kTen},
        {"a second later", kTen + 1},
        {"and another", kTen + 2},
        {"minute moves", kTen + 30},
        {"hour moves", kTen + 900},
        {"new colour", kTen + 901, kRed},
        {"new background", kTen + 902, kRed, kWhite},
        {"dimmed at night", kTen + 903, kRed, kWhite, night},
        {"moved a pixel", kTen + 963, kRed, kWhite, moving},
        {"moved a pixel more", kTen + 1023, kRed, kWhite, moving},
        {"back", kTen},
    };
    DibCanvas canvas(320, 240, nullptr);
    auto before = copyOf(canvas);
    canvas.takeDirty();
    for (int round = 0; round < 3; ++round)
        for (const Frame& f : frames) {
            drawClock(canvas, f.t, f.clock, f.background, f.look);
            const RECT dirty = canvas.takeDirty();
            const auto after = copyOf(canvas);
            DibCanvas fresh(320, 240, nullptr);
            drawClock(fresh, f.t, f.clock, f.background, f.look);
            EXPECT_EQ(differing(after, copyOf(fresh)), 0) << f.name << " in round " << round;
            EXPECT_EQ(changedOutside(before, after, canvas.width(), dirty), 0) << f.name << " in round " << round;
            before = after;
        }
}

TEST(DibCanvasFrames, SecondAfterSecondComesOutRight)
{
    // Long enough for the canvas to settle on what to reuse, and for the
    // minute and hour hands to move under it.
    DibCanvas canvas(160, 120, nullptr);
    auto before = copyOf(canvas);
    int wrong = 0, uncovered = 0;
    for (int second = 0; second < 1200; second += 3) {
        drawClock(canvas, kTen + second);
        const RECT dirty = canvas.takeDirty();
        const auto after = copyOf(canvas);
        DibCanvas fresh(160, 120, nullptr);
        drawClock(fresh, kTen + second);
        wrong += differing(after, copyOf(fresh)) != 0;
        uncovered += changedOutside(before, after, canvas.width(), dirty);
        before = after;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(uncovered, 0);
}

TEST(DibCanvasFrames, TakeDirtyCoversOnlyWhatChangedAndIsEmptyAfter)
{
    DibCanvas canvas(1920, 1080, nullptr);
    const RECT whole{0, 0, 1920, 1080};
    drawClock(canvas, kTen);
    RECT dirty = canvas.takeDirty();
    EXPECT_TRUE(EqualRect(&dirty, &whole));
    EXPECT_TRUE(isEmpty(canvas.takeDirty()));

    drawClock(canvas, kTen + 1);
    dirty = canvas.takeDirty();
    EXPECT_FALSE(isEmpty(dirty));
    EXPECT_FALSE(inside(dirty, 960, 5)) << "the rim at twelve stays";
    EXPECT_TRUE(inside(dirty, 960, 540)) << "the hands meet at the centre";
    drawClock(canvas, kTen + 1);
    EXPECT_TRUE(isEmpty(canvas.takeDirty()));

    // A shape on top of the frame.
    canvas.polygon(PointList{{100, 100}, {140, 100}, {120, 130}}, {1, kRed}, kRed);
    dirty = canvas.takeDirty();
    EXPECT_TRUE(inside(dirty, 100, 100) && inside(dirty, 140, 100) && inside(dirty, 120, 130));
    EXPECT_LT((dirty.right - dirty.left) * (dirty.bottom - dirty.top), 60 * 60);
    EXPECT_TRUE(isEmpty(canvas.takeDirty()));
}

TEST(DibCanvasFrames, AResizedCanvasDrawsOverItsWholeNewSize)
{
    DibCanvas canvas(100, 80, nullptr);
    drawClock(canvas, kTen, kWhite, kRed);
    canvas.resize(100, 80);
    EXPECT_EQ(colourAt(canvas, 50, 40), kWhite) << "the same size keeps what was drawn";

    canvas.resize(300, 200);
    EXPECT_EQ(canvas.width(), 300);
    EXPECT_EQ(canvas.pixels().size(), 300u * 200u);
    EXPECT_EQ(colourAt(canvas, 290, 190), kRed) << "a new DIB takes the last background";
    RECT dirty = canvas.takeDirty();
    const RECT whole{0, 0, 300, 200};
    EXPECT_TRUE(EqualRect(&dirty, &whole));
    canvas.clear(kBlack);
    canvas.polygon(PointList{{250, 150}, {290, 150}, {290, 190}, {250, 190}}, {1, kWhite}, kWhite);
    EXPECT_EQ(colourAt(canvas, 270, 170), kWhite);
    EXPECT_EQ(colourAt(canvas, 240, 170), kBlack);
}

TEST(DibCanvasFrames, BeyondTheImageLimitItHoldsNoDibAndShowsTheBackground)
{
    DibCanvas canvas(16000, 16000, nullptr);
    EXPECT_TRUE(canvas.pixels().empty());
    EXPECT_EQ(canvas.width(), 16000);
    EXPECT_EQ(canvas.height(), 16000);
    drawClock(canvas, kTen, kWhite, kRed);
    EXPECT_TRUE(canvas.pixels().empty());

    // What a window would get in WM_PAINT.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 20, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target);
    canvas.paintTo(dc, RECT{0, 0, 20, 20});
    EXPECT_EQ(GetPixel(dc, 10, 10), static_cast<COLORREF>(kRed));
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);

    canvas.resize(160, 120);
    drawClock(canvas, kTen);
    EXPECT_EQ(canvas.pixels().size(), 160u * 120u);
    const ClockGeometry g = geometryFor(160, 120);
    EXPECT_EQ(colourAt(canvas, g.centerX, g.centerY - static_cast<int>(g.radius)), kWhite) << "the rim at twelve";
}

TEST(DibCanvasFrames, PaintToCopiesTheDirtyPartOfTheDib)
{
    DibCanvas canvas(40, 30, nullptr);
    canvas.clear(kRed);
    canvas.polygon(PointList{{0, 0}, {19, 0}, {19, 29}, {0, 29}}, {1, kWhite}, kWhite);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target);
    RECT all{0, 0, 40, 30};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    canvas.paintTo(dc, RECT{10, 0, 30, 30});
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0)) << "outside the dirty rectangle";
    EXPECT_EQ(GetPixel(dc, 15, 5), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 25, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 35, 5), RGB(0, 0, 0)) << "outside the dirty rectangle";
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

} // namespace
