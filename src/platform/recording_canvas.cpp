#include "platform/recording_canvas.h"

#include <cmath>
#include <cstdio>

namespace hv {

namespace {

constexpr double kCharWidth = 9;
constexpr double kCharHeight = 19;

std::string colourText(std::optional<Colour> colour)
{
    return colour ? std::to_string(*colour) : std::string("none");
}

std::string pointsText(std::span<const Point> points)
{
    std::string text;
    for (const Point& p : points)
        text += ' ' + std::to_string(p.x) + ' ' + std::to_string(p.y);
    return text;
}

std::string penText(Pen pen)
{
    return " width=" + std::to_string(pen.width) + " pen=" + std::to_string(pen.colour);
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

void RecordingCanvas::clear(Colour background)
{
    ops_.push_back("cls color=" + std::to_string(background));
    if (inner_)
        inner_->clear(background);
}

void RecordingCanvas::setPixel(double x, double y, Colour colour)
{
    ops_.push_back("pset " + number(x) + ' ' + number(y) + " color=" + std::to_string(colour));
    if (inner_)
        inner_->setPixel(x, y, colour);
}

void RecordingCanvas::circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill)
{
    ops_.push_back("circle " + number(cx) + ' ' + number(cy) + ' ' + number(radius) + penText(outline)
                   + " fill=" + colourText(fill));
    if (inner_)
        inner_->circle(cx, cy, radius, outline, fill);
}

void RecordingCanvas::polyline(std::span<const Point> points, Pen pen)
{
    ops_.push_back("polyline" + pointsText(points) + penText(pen));
    if (inner_)
        inner_->polyline(points, pen);
}

void RecordingCanvas::polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill)
{
    ops_.push_back("polygon" + pointsText(points) + penText(outline) + " fill=" + colourText(fill));
    if (inner_)
        inner_->polygon(points, outline, fill);
}

void RecordingCanvas::print(double x, double y, std::string_view text, Colour colour)
{
    ops_.push_back("print " + number(x) + ' ' + number(y) + ' ' + std::string(text) + " color=" + std::to_string(colour));
    if (inner_)
        inner_->print(x, y, text, colour);
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
