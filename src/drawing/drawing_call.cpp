#include "drawing/drawing_call.h"

namespace hv {

using Kind = DrawingCall::Kind;

void CallCanvas::clear(Colour background) { draw({Kind::Clear, 0, 0, 0, {}, background, {}, {}}); }

void CallCanvas::setPixel(double x, double y, Colour colour) { draw({Kind::Pixel, x, y, 0, {1, colour}, {}, {}, {}}); }

void CallCanvas::circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill)
{
    draw({Kind::Circle, cx, cy, radius, outline, fill, {}, {}});
}

void CallCanvas::polyline(std::span<const Point> points, Pen pen)
{
    draw({Kind::Polyline, 0, 0, 0, pen, {}, PointList(points.begin(), points.end()), {}});
}

void CallCanvas::polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill)
{
    draw({Kind::Polygon, 0, 0, 0, outline, fill, PointList(points.begin(), points.end()), {}});
}

void CallCanvas::print(double x, double y, std::string_view text, Colour colour)
{
    draw({Kind::Text, x, y, 0, {1, colour}, {}, {}, std::string(text)});
}

} // namespace hv
