#pragma once
// A drawing call as a value, with every attribute it was given, so that a
// canvas can keep it, compare it with an earlier one, write it down or
// pass it on.
#include "platform/canvas.h"

#include <optional>
#include <string>

namespace hv {

struct DrawingCall {
    enum class Kind { Clear, Pixel, Circle, Polyline, Polygon, Text };

    Kind kind = Kind::Clear;
    // A pixel's or a text's place, a circle's centre.
    double x = 0, y = 0, radius = 0;
    // A pixel and a text come in the pen's colour.
    Pen pen;
    // A clear wipes with the fill.
    std::optional<Colour> fill;
    PointList points;
    std::string text;

    friend bool operator==(const DrawingCall&, const DrawingCall&) = default;
};

// A canvas that takes each drawing call as one DrawingCall.
class CallCanvas : public Canvas {
public:
    virtual void draw(DrawingCall call) = 0;

    void clear(Colour background) final;
    void setPixel(double x, double y, Colour colour) final;
    void circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill) final;
    void polyline(std::span<const Point> points, Pen pen) final;
    void polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill) final;
    void print(double x, double y, std::string_view text, Colour colour) final;
};

} // namespace hv
