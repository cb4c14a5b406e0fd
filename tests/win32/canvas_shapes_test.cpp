// What the DIB canvas draws lands where the clock expects it, in the
// colours given: filled shapes, outlines centred on their line, wide lines,
// text in the window's font.
#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace hv;
using canvas_test::colourAt;
using win32::DibCanvas;

constexpr Colour kClock = 0x3366CC; // red CC, green 66, blue 33
constexpr Colour kFill = 0x0000FF;
constexpr Colour kBackground = 0x402010;

TEST(DibCanvasShapes, AFilledHandPolygonInTheClockColourWithBackgroundAroundIt)
{
    // The hour hand at three o'clock on a 1920 by 1080 dial, moved left.
    DibCanvas canvas(320, 100, nullptr);
    canvas.clear(kBackground);
    const PointList hand{{25, 50}, {30, 40}, {294, 48}, {294, 52}, {30, 60}};
    canvas.polygon(hand, {1, kClock}, kClock);
    for (auto [x, y] : {std::pair{150, 50}, {150, 46}, {150, 54}, {28, 50}, {293, 50}, {32, 45}})
        EXPECT_EQ(colourAt(canvas, x, y), kClock) << x << ',' << y;
    for (auto [x, y] : {std::pair{150, 41}, {150, 59}, {20, 50}, {298, 50}, {5, 5}, {310, 90}})
        EXPECT_EQ(colourAt(canvas, x, y), kBackground) << x << ',' << y;
}

TEST(DibCanvasShapes, ACircleHasItsOutlineOnTheCircleAndItsFillInside)
{
    DibCanvas canvas(100, 100, nullptr);
    canvas.clear(kBackground);
    canvas.circle(50, 50, 30, {3, kClock}, kFill);
    for (auto [x, y] : {std::pair{80, 50}, {20, 50}, {50, 20}, {50, 80}, {79, 50}})
        EXPECT_EQ(colourAt(canvas, x, y), kClock) << x << ',' << y;
    for (auto [x, y] : {std::pair{50, 50}, {75, 50}, {50, 26}, {65, 65}})
        EXPECT_EQ(colourAt(canvas, x, y), kFill) << x << ',' << y;
    for (auto [x, y] : {std::pair{84, 50}, {50, 15}, {5, 5}, {74, 74}})
        EXPECT_EQ(colourAt(canvas, x, y), kBackground) << x << ',' << y;

    // Without a fill the inside keeps what was there.
    canvas.clear(kBackground);
    canvas.circle(50, 50, 10, {1, kClock}, std::nullopt);
    EXPECT_EQ(colourAt(canvas, 60, 50), kClock);
    EXPECT_EQ(colourAt(canvas, 50, 40), kClock);
    EXPECT_EQ(colourAt(canvas, 50, 50), kBackground);
}

TEST(DibCanvasShapes, AWidePolylineCoversItsWidthAlongEverySegment)
{
    DibCanvas canvas(100, 100, nullptr);
    canvas.clear(kBackground);
    canvas.polyline(PointList{{10, 50}, {90, 50}, {90, 90}}, {5, kClock});
    for (auto [x, y] : {std::pair{50, 50}, {50, 48}, {50, 52}, {90, 70}, {88, 70}, {92, 70}, {90, 50}})
        EXPECT_EQ(colourAt(canvas, x, y), kClock) << x << ',' << y;
    for (auto [x, y] : {std::pair{50, 45}, {50, 55}, {85, 70}, {95, 70}, {50, 90}})
        EXPECT_EQ(colourAt(canvas, x, y), kBackground) << x << ',' << y;
}

TEST(DibCanvasShapes, PrintedTextShowsInItsColourWithinItsMeasuredBox)
{
    DibCanvas canvas(200, 60, nullptr);
    EXPECT_GT(canvas.textWidth("12"), canvas.textWidth("1"));
    EXPECT_GT(canvas.textWidth("1212"), canvas.textWidth("12"));
    EXPECT_GT(canvas.textHeight("12"), 5);

    canvas.clear(kBackground);
    canvas.print(20, 10, "12", kClock);
    const RECT box{
        20, 10, 20 + static_cast<LONG>(canvas.textWidth("12")), 10 + static_cast<LONG>(canvas.textHeight("12"))};
    int inBox = 0, clockColoured = 0, outside = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const Colour c = colourAt(canvas, x, y);
            if (c == kBackground)
                continue;
            canvas_test::inside(box, x, y) ? ++inBox : ++outside;
            clockColoured += c == kClock;
        }
    EXPECT_GT(inBox, 10);
    EXPECT_GT(clockColoured, 0);
    EXPECT_EQ(outside, 0);
}

TEST(DibCanvasShapes, APixelIsSetWhereItFallsAndNowhereBeyondTheCanvas)
{
    DibCanvas canvas(10, 10, nullptr);
    canvas.clear(kBackground);
    canvas.setPixel(3.7, 4.2, kClock);
    canvas.setPixel(-1, 5, kClock);
    canvas.setPixel(10, 5, kClock);
    EXPECT_EQ(colourAt(canvas, 3, 4), kClock);
    int set = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            set += colourAt(canvas, x, y) == kClock;
    EXPECT_EQ(set, 1);
}

} // namespace
