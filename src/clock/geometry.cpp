#include "clock/geometry.h"

#include "runtime/runtime.h"

#include <cmath>

namespace hv {

namespace {

PointList handTemplate(int shoulder, double share, double radius)
{
    const auto tip = toInt32(-roundExactProduct(share, radius));
    return {{0, -25}, {-shoulder, -30}, {-2, tip}, {2, tip}, {shoulder, -30}};
}

} // namespace

ClockGeometry geometryFor(int clientWidth, int clientHeight)
{
    ClockGeometry g;
    g.centerX = toInt16(clientWidth / 2.0);
    g.centerY = toInt16(clientHeight / 2.0);
    g.radius = static_cast<float>((g.centerX > g.centerY ? g.centerY : g.centerX) - 5);
    g.tickLength = toInt16(roundExactProduct(0.15, g.radius));
    shapeHands(g);
    return g;
}

void shapeHands(ClockGeometry& g)
{
    const double L = g.radius;
    g.secondHand = handTemplate(4, 0.85, L);
    g.minuteHand = handTemplate(6, 0.81, L);
    g.hourHand = handTemplate(10, 0.55, L);
    g.tickMark = {{0, toInt32(-(L - g.tickLength))}, {0, toInt32(-L)}};
}

void rotatePoints(PointList& dst, const PointList& src, double angle, double xOffset, double yOffset)
{
    const double radians = angle * (kPi / 180);
    const double c = static_cast<float>(std::cos(radians));
    const double s = static_cast<float>(std::sin(radians));
    dst.assign(src.size(), Point{});
    for (std::size_t i = 0; i < src.size(); ++i) {
        const double x = src[i].x;
        const double y = src[i].y;
        dst[i].x = toInt32(c * x - s * y + xOffset);
        dst[i].y = toInt32(c * y + s * x + yOffset);
    }
}

} // namespace hv
