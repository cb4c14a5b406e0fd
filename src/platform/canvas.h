#pragma once
// A window's drawing surface, in pixels of its client area, y downwards.
// Every call carries its own attributes; the classic drawing properties
// (pen width, fore and fill colour, fill style) live in the core's Surface.
#include "drawing/colour.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace hv {

// Two signed 32-bit integers, x then y: the layout GDI's Polygon takes.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
using PointList = std::vector<Point>;

struct Pen {
    int width = 1;
    Colour colour = kBlack;
    friend bool operator==(const Pen&, const Pen&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void clear(Colour background) = 0;
    virtual void setPixel(double x, double y, Colour colour) = 0;
    // The outline is centred on the circle; the inside is filled when a
    // fill colour is given.
    virtual void circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill) = 0;
    virtual void polyline(std::span<const Point> points, Pen pen) = 0;
    virtual void polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill) = 0;
    // Text in the window's font with its top-left corner at (x, y).
    virtual void print(double x, double y, std::string_view text, Colour colour) = 0;
    virtual double textWidth(std::string_view text) const = 0;
    virtual double textHeight(std::string_view text) const = 0;
};

} // namespace hv
