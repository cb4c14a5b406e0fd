#pragma once
// A window's classic drawing properties (pen width, fore and fill colour,
// fill style, text position) kept between calls, over a Canvas that takes
// each call's attributes explicitly.
#include "platform/canvas.h"

#include <string_view>

namespace hv {

class Surface {
public:
    static constexpr int kFillSolid = 0;
    static constexpr int kFillTransparent = 1;

    Surface(Canvas& canvas, Colour foreColor)
        : canvas_(canvas)
        , foreColor_(foreColor)
    {
    }

    Canvas& canvas() { return canvas_; }

    // Colour properties check their value like a window does.
    void setDrawWidth(int width) { drawWidth_ = width; }
    void setForeColor(Colour colour);
    void setFillColor(Colour colour);
    void setFillStyle(int style) { fillStyle_ = style; }
    Colour foreColor() const { return foreColor_; }

    void cls(Colour background);
    void pset(double x, double y) { canvas_.setPixel(x, y, foreColor_); }
    void circle(double cx, double cy, double radius, Colour outline);
    void polyline(std::span<const Point> points) { canvas_.polyline(points, pen()); }
    void polygon(std::span<const Point> points) { canvas_.polygon(points, pen(), fill()); }

    // Text positions are kept in single precision, as the window keeps them.
    void setCurrentX(double x) { currentX_ = static_cast<float>(x); }
    void setCurrentY(double y) { currentY_ = static_cast<float>(y); }
    void print(std::string_view text) { canvas_.print(currentX_, currentY_, text, foreColor_); }
    double textWidth(std::string_view text) const { return canvas_.textWidth(text); }
    double textHeight(std::string_view text) const { return canvas_.textHeight(text); }

private:
    Pen pen() const { return {drawWidth_, foreColor_}; }
    std::optional<Colour> fill() const;

    Canvas& canvas_;
    int drawWidth_ = 1;
    Colour foreColor_;
    Colour fillColor_ = kBlack;
    int fillStyle_ = kFillTransparent;
    float currentX_ = 0;
    float currentY_ = 0;
};

} // namespace hv
