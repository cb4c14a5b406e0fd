// The canvas keeps a frame's calls and paints any part of it on demand. A
// window keeps its pixels and has only what changed painted again: each
// frame must come out pixel for pixel as if painted whole on a fresh
// image, so what the canvas reports as changed must cover every change.
#include "clock/fonts.h"
#include "clock/frame.h"
#include "drawing/image_limit.h"
#include "platform/qt/drawing/frame_canvas.h"
#include "platform/qt/windows/qt_window.h"

#include <QPainter>

#include <gtest/gtest.h>

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
    FrameLook look = {};
};

// Night from 10:00 to 11:00, at half the colour; the dial moved by screen
// care.
constexpr FrameLook kNight{true, 600, 660, 50};
constexpr FrameLook kMoving{.screenCare = true};

// shift: the dial drawn with its centre moved so.
void draw(Canvas& canvas, const Frame& f, DialOffset shift = {})
{
    MemorySettingsStore store;
    store.write("Clock Color", std::to_string(f.clock));
    Surface surface(canvas, kButtonText);
    if (f.wipeOnly) {
        surface.cls(f.background);
        return;
    }
    ClockGeometry geometry = geometryFor(canvas.width(), canvas.height());
    geometry.centerX = static_cast<std::int16_t>(geometry.centerX + shift.x);
    geometry.centerY = static_cast<std::int16_t>(geometry.centerY + shift.y);
    ClockPainter(surface, geometry, store, f.look).draw(f.t, f.background);
}

QFont numeralFont() { return qt::toQFont(kNumeralFont); }

QImage drawnAfresh(QSize size, const Frame& f, qreal devicePixelRatio = 1.0, DialOffset shift = {})
{
    qt::FrameCanvas fresh(numeralFont());
    fresh.resize(size, kBlack);
    draw(fresh, f, shift);
    return fresh.image(devicePixelRatio);
}

// Paints the region of the canvas's frame over what the image holds, as a
// window's backing store has it done.
void paintOver(QImage& image, const qt::FrameCanvas& canvas, const QRegion& region)
{
    QPainter p(&image);
    canvas.paint(p, region);
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
    {"dimmed at night", kTen + 967, kRed, kWhite, false, kNight},
    {"moved a pixel", kTen + 1027, kRed, kWhite, false, kMoving},
    {"moved a pixel more", kTen + 1087, kRed, kWhite, false, kMoving},
    {"back to the start", kTen},
};

TEST(FrameCanvas, EveryFrameShownByItsChangesHasThePixelsOfTheFrameDrawnWhole)
{
    const QSize size(400, 300);
    // A look at what changed after every frame, and after every second
    // one: nobody looked at the frame between.
    for (std::size_t look : {1, 2}) {
        qt::FrameCanvas canvas(numeralFont());
        canvas.resize(size, kBlack);
        QImage shown = canvas.image();
        canvas.takeChanges();
        for (std::size_t i = 0; i < kSequence.size(); ++i) {
            draw(canvas, kSequence[i]);
            if ((i + 1) % look != 0)
                continue;
            paintOver(shown, canvas, canvas.takeChanges());
            EXPECT_TRUE(shown == drawnAfresh(size, kSequence[i])) << kSequence[i].name << ", a look every " << look;
        }
    }
}

TEST(FrameCanvas, AFramePaintedPieceByPieceEqualsTheFramePaintedWhole)
{
    // Pieces of odd sizes that cut through the dial, its face, the hands
    // and the numerals; at a fractional device pixel ratio their edges
    // fall inside device pixels.
    const QSize size(400, 300);
    const Frame f{"pieces", kTen, kRed};
    qt::FrameCanvas canvas(numeralFont());
    canvas.resize(size, kBlack);
    draw(canvas, f);
    for (qreal ratio : {1.0, 1.25}) {
        QImage pieces = drawnAfresh(size, {"another frame", kTen + 4000}, ratio);
        for (int y = 0; y < size.height(); y += 23)
            for (int x = 0; x < size.width(); x += 37)
                paintOver(pieces, canvas, QRect(x, y, 37, 23));
        EXPECT_TRUE(pieces == canvas.image(ratio)) << ratio;
    }
}

TEST(FrameCanvas, OnlyTheMovingHandsCountAsChanged)
{
    // Screen care moves the dial only as the minute changes.
    for (const FrameLook& look : {FrameLook{}, kMoving}) {
        const QSize size(1920, 1080);
        qt::FrameCanvas canvas(numeralFont());
        canvas.resize(size, kBlack);
        draw(canvas, {"first", kTen, kWhite, kBlack, false, look});
        EXPECT_EQ(canvas.takeChanges(), QRegion(QRect(QPoint(), size)));
        draw(canvas, {"next second", kTen + 1, kWhite, kBlack, false, look});
        const QRegion changes = canvas.takeChanges();
        long long area = 0;
        for (const QRect& r : changes)
            area += static_cast<long long>(r.width()) * r.height();
        EXPECT_GT(area, 0);
        EXPECT_LT(area, size.width() * size.height() / 10);
        EXPECT_FALSE(changes.contains(QPoint(960, 5))); // the rim at 12
        draw(canvas, {"the same again", kTen + 1, kWhite, kBlack, false, look});
        EXPECT_TRUE(canvas.takeChanges().isEmpty());
    }
}

TEST(FrameCanvas, NightDimsTheClockColourAndScreenCareMovesTheWholeDial)
{
    const QSize size(400, 300);
    const Colour clock = 51 + 102 * 256 + 204 * 65536;
    const QImage plain = drawnAfresh(size, {"plain", kTen, clock, kRed});
    const QImage night = drawnAfresh(size, {"night", kTen, clock, kRed, false, kNight});
    // Half of 51 is 25.5, rounded to even.
    EXPECT_EQ(night.pixel(200, 150), qRgb(26, 51, 102)) << "the centre";
    EXPECT_EQ(night.pixel(2, 2), plain.pixel(2, 2)) << "the background";

    const int minute = static_cast<int>(kTen) / 60;
    const DialOffset offset = screenCareOffset(minute);
    ASSERT_NE(offset.x, 0);
    // All of the dial, numerals and hands included, as a dial of that centre.
    const QImage moved = drawnAfresh(size, {"moved", kTen, clock, kRed, false, kMoving});
    EXPECT_TRUE(moved == drawnAfresh(size, {"centred there", kTen, clock, kRed}, 1.0, offset));
    EXPECT_NE(moved, plain);
}

TEST(FrameCanvas, MakesNoImageBeyondTheLimit)
{
    // The limit counts device pixels, four bytes each.
    EXPECT_TRUE(fitsImageLimit(15811, 15811));
    EXPECT_FALSE(fitsImageLimit(15812, 15812));
    EXPECT_FALSE(fitsImageLimit(8000, 8000, 2.0));
    EXPECT_EQ(imageBytes(32767, 32767), 4'294'705'156);

    qt::FrameCanvas canvas(numeralFont());
    canvas.resize(QSize(8000, 8000), kBlack);
    draw(canvas, {"beyond the limit at twice the pixels"});
    EXPECT_TRUE(canvas.image(2.0).isNull());
    EXPECT_EQ(canvas.width(), 8000);
}

} // namespace
