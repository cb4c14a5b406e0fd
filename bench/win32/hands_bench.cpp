// What the clock's three hands cost to draw at 1920 by 1080: the program's
// own hand polygons painted into a 32-bit DIB antialiased with GDI+, the
// way the clock window paints them, and with plain GDI Polygon. Each frame
// is a second later than the one before, so the hands move as they do on
// the screen. Prints microseconds per frame for each and their ratio.
//
// usage: hands_bench [FRAMES]  (default 3000)
#include "clock/frame.h"
#include "clock/geometry.h"
#include "platform/win32/drawing/dib_pixels.h"

#include <windows.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kStart = 10 * 3600 + 8 * 60; // 10:08:00

// The hands of the frame at time of day t, as the clock places them.
std::array<hv::PointList, 3> handsAt(const hv::ClockGeometry& g, double t)
{
    const hv::HandAngles angles = hv::handAngles(t);
    std::array<hv::PointList, 3> placed;
    hv::rotatePoints(placed[0], g.hourHand, angles.hour, g.centerX, g.centerY);
    hv::rotatePoints(placed[1], g.minuteHand, angles.minute, g.centerX, g.centerY);
    hv::rotatePoints(placed[2], g.secondHand, angles.second, g.centerX, g.centerY);
    return placed;
}

double secondsOf(LONGLONG ticks)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Microseconds per frame of drawing each of a frame's hands with drawHand.
double timePerFrame(const hv::ClockGeometry& g, int frames, const std::function<void(const hv::PointList&)>& drawHand,
    const std::function<void()>& finishFrame)
{
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < frames; ++i) {
        for (const hv::PointList& hand : handsAt(g, kStart + i))
            drawHand(hand);
        finishFrame();
    }
    QueryPerformanceCounter(&end);
    return secondsOf(end.QuadPart - start.QuadPart) * 1e6 / frames;
}

double withGdiplus(const hv::ClockGeometry& g, int frames)
{
    hv::win32::DibPixels pixels;
    pixels.resize(kWidth, kHeight, hv::kBlack, true);
    hv::DrawingCall call;
    call.kind = hv::DrawingCall::Kind::Polygon;
    call.pen = {1, hv::kWhite};
    call.fill = hv::kWhite;
    return timePerFrame(
        g, frames,
        [&](const hv::PointList& hand) {
            call.points = hand;
            pixels.paint(call);
        },
        [&] { pixels.flush(); });
}

double withGdi(const hv::ClockGeometry& g, int frames)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ firstBitmap = SelectObject(dc, dib);
    const HGDIOBJ firstPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    const HGDIOBJ firstBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    std::vector<POINT> points;
    const double us = timePerFrame(
        g, frames,
        [&](const hv::PointList& hand) {
            points.clear();
            for (const hv::Point& p : hand)
                points.push_back({std::lround(p.x), std::lround(p.y)});
            Polygon(dc, points.data(), static_cast<int>(points.size()));
        },
        [] { GdiFlush(); });
    SelectObject(dc, firstBrush);
    SelectObject(dc, firstPen);
    SelectObject(dc, firstBitmap);
    DeleteObject(dib);
    DeleteDC(dc);
    return us;
}

} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 3000;
    if (frames <= 0) {
        std::fprintf(stderr, "usage: hands_bench [FRAMES]\n");
        return 2;
    }
    const hv::ClockGeometry g = hv::geometryFor(kWidth, kHeight);
    // A first pass of each warms the caches and GDI+'s start-up out of the
    // figures.
    withGdiplus(g, frames / 10 + 1);
    withGdi(g, frames / 10 + 1);
    const double gdiplus = withGdiplus(g, frames);
    const double gdi = withGdi(g, frames);
    std::printf("hands at %dx%d, %d frames: GDI+ antialiased %.1f us a frame, plain GDI %.1f us, ratio %.2f\n", kWidth,
        kHeight, frames, gdiplus, gdi, gdiplus / gdi);
    return 0;
}
