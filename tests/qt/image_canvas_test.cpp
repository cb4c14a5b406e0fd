// The image canvas reuses what the frames before drew; whatever it reuses,
// each frame must come out pixel for pixel as if drawn whole on a fresh
// image, and what it reports as changed must cover every changed pixel.
#include "clock/fonts.h"
#include "clock/frame.h"
#include "drawing/image_limit.h"
#include "platform/qt/drawing/image_canvas.h"
#include "platform/qt/windows/qt_window.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace hv;

constexpr double kTen = 10 * 3600 + 8 * 60 + 37; // 10:08:37
constexpr Colour kRed = 255;

struct Frame {
    std::string name;
    double t = kTen;
    Colour clock = kWhite;
    Colour background = kBlack;
    bool wipeOnly = false; // a frame that failed right after its wipe
};

void draw(Canvas& canvas, const Frame& f)
{
    MemorySettingsStore store;
    store.write("Clock Color", std::to_string(f.clock));
    Surface surface(canvas, kButtonText);
    if (f.wipeOnly) {
        surface.cls(f.background);
        return;
    }
    const ClockGeometry geometry = geometryFor(canvas.width(), canvas.height());
    ClockPainter(surface, geometry, store).draw(f.t, f.background);
}

QFont numeralFont() { return qt::toQFont(kNumeralFont); }

QImage drawnAfresh(QSize size, const Frame& f)
{
    qt::ImageCanvas fresh(numeralFont());
    fresh.resize(size, 1.0, kBlack);
    draw(fresh, f);
    return fresh.image().copy();
}

// Pixels that differ between two images and lie outside the region.
int changedOutside(const QImage& before, const QImage& after, const QRegion& region)
{
    int count = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y) && !region.contains(QPoint(x, y)))
                ++count;
    return count;
}

const std::vector<Frame> kSequence = {
    {"first frame"},
    {"same second again"},
    {"a second later", kTen + 1},
    {"two seconds later", kTen + 2},
    {"the minute hand moves", kTen + 30},
    {"the hour hand moves", kTen + 900},
    {"the same hour, later minute", kTen + 960},
    {"a new clock colour", kTen + 961, kRed},
    {"the new colour again", kTen + 962, kRed},
    {"a failed frame", kTen + 963, kRed, kBlack, true},
    {"back after the failure", kTen + 964, kRed},
    {"a new background", kTen + 965, kRed, kWhite},
    {"the new background again", kTen + 966, kRed, kWhite},
    {"back to the start", kTen},
};

TEST(ImageCanvas, EveryFrameHasThePixelsOfAFrameDrawnWhole)
{
    const QSize size(400, 300);
    qt::ImageCanvas canvas(numeralFont());
    canvas.resize(size, 1.0, kBlack);
    QImage before = canvas.image().copy();
    canvas.takeChanges();
    for (const Frame& f : kSequence) {
        draw(canvas, f);
        const QRegion changes = canvas.takeChanges();
        const QImage after = canvas.image().copy();
        EXPECT_TRUE(after == drawnAfresh(size, f)) << f.name;
        EXPECT_EQ(changedOutside(before, after, changes), 0) << f.name;
        before = after;
    }
}

TEST(ImageCanvas, FramesNobodyLookedAtStillLeaveTheRightPixels)
{
    const QSize size(320, 240);
    qt::ImageCanvas canvas(numeralFont());
    canvas.resize(size, 1.0, kBlack);
    // Several frames in a row without a look at the image between them.
    for (std::size_t i = 0; i + 1 < kSequence.size(); ++i) {
        draw(canvas, kSequence[i]);
        draw(canvas, kSequence[i + 1]);
        EXPECT_TRUE(canvas.image() == drawnAfresh(size, kSequence[i + 1])) << kSequence[i + 1].name;
    }
}

TEST(ImageCanvas, AnHourOfSecondsComesOutRight)
{
    // Long enough for the canvas to settle on what to reuse, and for the
    // hour hand to move under it.
    const QSize size(160, 120);
    qt::ImageCanvas canvas(numeralFont());
    canvas.resize(size, 1.0, kBlack);
    QImage before = canvas.image().copy();
    int wrong = 0, uncovered = 0;
    for (int second = 0; second < 3600; second += 7) {
        const Frame f{"", kTen + second};
        draw(canvas, f);
        const QRegion changes = canvas.takeChanges();
        const QImage after = canvas.image().copy();
        wrong += after != drawnAfresh(size, f);
        uncovered += changedOutside(before, after, changes);
        before = after;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(uncovered, 0);
}

TEST(ImageCanvas, OnlyTheMovingHandsCountAsChanged)
{
    const QSize size(1920, 1080);
    qt::ImageCanvas canvas(numeralFont());
    canvas.resize(size, 1.0, kBlack);
    draw(canvas, {"first"});
    EXPECT_EQ(canvas.takeChanges(), QRegion(QRect(QPoint(), size)));
    draw(canvas, {"next second", kTen + 1});
    const QRegion changes = canvas.takeChanges();
    long long area = 0;
    for (const QRect& r : changes)
        area += static_cast<long long>(r.width()) * r.height();
    EXPECT_GT(area, 0);
    EXPECT_LT(area, size.width() * size.height() / 10);
    EXPECT_FALSE(changes.contains(QPoint(960, 5))); // the rim at 12
    draw(canvas, {"the same again", kTen + 1});
    EXPECT_TRUE(canvas.takeChanges().isEmpty());
}

TEST(ImageCanvas, HoldsNoImageBeyondTheLimitAndDrawsNothing)
{
    // The limit counts device pixels, four bytes each.
    EXPECT_TRUE(fitsImageLimit(15811, 15811));
    EXPECT_FALSE(fitsImageLimit(15812, 15812));
    EXPECT_FALSE(fitsImageLimit(8000, 8000, 2.0));
    EXPECT_EQ(imageBytes(32767, 32767), 4'294'705'156);

    qt::ImageCanvas canvas(numeralFont());
    canvas.resize(QSize(16000, 16000), 1.0, kBlack);
    EXPECT_TRUE(canvas.image().isNull());
    // The size is still the window's; a frame goes nowhere.
    EXPECT_EQ(canvas.width(), 16000);
    EXPECT_EQ(canvas.height(), 16000);
    draw(canvas, {"beyond the limit"});
    canvas.setPixel(10, 10, kWhite);
    EXPECT_TRUE(canvas.image().isNull());

    // Back within the limit, it draws again.
    const QSize size(160, 120);
    canvas.resize(size, 1.0, kBlack);
    draw(canvas, {"within"});
    EXPECT_EQ(canvas.image(), drawnAfresh(size, {"within"}));
}

} // namespace
