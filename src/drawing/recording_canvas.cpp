#include "drawing/recording_canvas.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace hv {

namespace {

constexpr double kCharWidth = 9;
constexpr double kCharHeight = 19;

std::string colourText(std::optional<Colour> colour) { return colour ? std::to_string(*colour) : std::string("none"); }

std::string pointsText(std::span<const Point> points)
{
    std::string text;
    for (const Point& p : points)
        text += ' ' + std::to_string(p.x) + ' ' + std::to_string(p.y);
    return text;
}

std::string penText(Pen pen) { return " width=" + std::to_string(pen.width) + " pen=" + std::to_string(pen.colour); }

std::string describe(const DrawingCall& call)
{
    using Kind = DrawingCall::Kind;
    const auto number = RecordingCanvas::number;
    switch (call.kind) {
    case Kind::Clear: return "cls color=" + std::to_string(*call.fill);
    case Kind::Pixel:
        return "pset " + number(call.x) + ' ' + number(call.y) + " color=" + std::to_string(call.pen.colour);
    case Kind::Circle:
        return "circle " + number(call.x) + ' ' + number(call.y) + ' ' + number(call.radius) + penText(call.pen)
            + " fill=" + colourText(call.fill);
    case Kind::Polyline: return "polyline" + pointsText(call.points) + penText(call.pen);
    case Kind::Polygon:
        return "polygon" + pointsText(call.points) + penText(call.pen) + " fill=" + colourText(call.fill);
    case Kind::Text:
        return "print " + number(call.x) + ' ' + number(call.y) + ' ' + call.text
            + " color=" + std::to_string(call.pen.colour);
    }
    return {};
}

} // namespace

std::string RecordingCanvas::number(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string text(buffer);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

void RecordingCanvas::draw(DrawingCall call)
{
    ops_.push_back(describe(call));
    if (inner_)
        inner_->draw(std::move(call));
}

double RecordingCanvas::textWidth(std::string_view text) const
{
    return inner_ ? inner_->textWidth(text) : kCharWidth * static_cast<double>(text.size());
}

double RecordingCanvas::textHeight(std::string_view text) const
{
    return inner_ ? inner_->textHeight(text) : kCharHeight;
}

} // namespace hv
