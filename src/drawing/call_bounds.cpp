#include "drawing/call_bounds.h"

#include <algorithm>
#include <cmath>

namespace hv {

namespace {

// How far past its geometry an antialiased call may touch pixels.
constexpr int kSoftEdge = 2;

int marginFor(int penWidth) { return (penWidth + 1) / 2 + kSoftEdge; }

int floorOf(double v) { return static_cast<int>(std::floor(v)); }
int ceilOf(double v) { return static_cast<int>(std::ceil(v)); }

PixelRect around(double left, double top, double right, double bottom, int penWidth)
{
    const int margin = marginFor(penWidth);
    return {floorOf(left) - margin, floorOf(top) - margin, ceilOf(right) + margin, ceilOf(bottom) + margin};
}

// Where a line through the points, or the polygon they close, may draw: a
// band of rows at a time, each as wide as the edges that cross it. For a
// hand across the dial that is a small part of its bounding box. Every
// point of a polygon between two rows lies between edges that cross them.
PixelRegion bandsAround(const PointList& points, bool closed, int penWidth)
{
    constexpr int kBand = 16;
    const int margin = marginFor(penWidth);
    if (points.empty())
        return {};
    const auto [low, high]
        = std::minmax_element(points.begin(), points.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    PixelRegion region;
    const std::size_t edges = closed ? points.size() : points.size() - 1;
    for (double top = low->y; top <= high->y; top += kBand) {
        const double bottom = top + kBand;
        double left = INFINITY, right = -INFINITY;
        auto take = [&](double x) {
            left = std::min(left, x);
            right = std::max(right, x);
        };
        for (std::size_t e = 0; e < std::max<std::size_t>(edges, 1); ++e) {
            const Point& a = points[e];
            const Point& b = points[(e + 1) % points.size()];
            if (std::max(a.y, b.y) < top || std::min(a.y, b.y) > bottom)
                continue;
            if (a.y == b.y) {
                take(a.x);
                take(b.x);
                continue;
            }
            for (double y : {std::clamp<double>(top, std::min(a.y, b.y), std::max(a.y, b.y)),
                     std::clamp<double>(bottom, std::min(a.y, b.y), std::max(a.y, b.y))})
                take(a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y));
        }
        if (left <= right)
            region += PixelRect{floorOf(left) - margin, static_cast<int>(top) - margin, ceilOf(right) + margin + 1,
                static_cast<int>(std::min<double>(bottom, high->y)) + margin + 1};
    }
    return region;
}

} // namespace

PixelRegion shapeBounds(const DrawingCall& call, int canvasWidth, int canvasHeight)
{
    using Kind = DrawingCall::Kind;
    switch (call.kind) {
    case Kind::Clear: return PixelRect{0, 0, canvasWidth, canvasHeight};
    case Kind::Pixel: return PixelRect{floorOf(call.x), floorOf(call.y), floorOf(call.x) + 1, floorOf(call.y) + 1};
    case Kind::Circle:
        return around(
            call.x - call.radius, call.y - call.radius, call.x + call.radius, call.y + call.radius, call.pen.width);
    case Kind::Polyline:
    case Kind::Polygon: return bandsAround(call.points, call.kind == Kind::Polygon, call.pen.width);
    case Kind::Text: break;
    }
    return {};
}

PixelRegion ringBounds(const DrawingCall& circle)
{
    constexpr int kBand = 16;
    const int margin = marginFor(circle.pen.width);
    const double outer = circle.radius + margin, inner = circle.radius - margin;
    PixelRegion region;
    for (int top = floorOf(circle.y - outer); top < circle.y + outer; top += kBand) {
        const int bottom = top + kBand;
        // The band's rows nearest to and farthest from the centre.
        const double near = std::clamp<double>(circle.y, top, bottom) - circle.y;
        const double far = std::max(std::fabs(top - circle.y), std::fabs(bottom - circle.y));
        const double out = std::sqrt(std::max(0.0, outer * outer - near * near));
        const double in = far < inner ? std::sqrt(inner * inner - far * far) : 0;
        const int left = floorOf(circle.x - out), right = ceilOf(circle.x + out) + 1;
        if (in < 1) {
            region += PixelRect{left, top, right, bottom};
            continue;
        }
        region += PixelRect{left, top, ceilOf(circle.x - in) + 1, bottom};
        region += PixelRect{floorOf(circle.x + in), top, right, bottom};
    }
    return region;
}

bool leavesWipedAlone(const DrawingCall& call, const PixelRect& rect, Colour background)
{
    if (call.kind != DrawingCall::Kind::Circle || call.fill != background)
        return false;
    const double inner = call.radius - marginFor(call.pen.width);
    if (inner <= 0)
        return false;
    for (int x : {rect.left, rect.right})
        for (int y : {rect.top, rect.bottom})
            if (std::hypot(x - call.x, y - call.y) >= inner)
                return false;
    return true;
}

PixelRect textBounds(const TextBox& box) { return around(box.left, box.top, box.right, box.bottom, 1); }

} // namespace hv
