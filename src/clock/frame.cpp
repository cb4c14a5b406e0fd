#include "clock/frame.h"

#include "clock/night_hours.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"

#include <cmath>
#include <string>

namespace hv {

namespace {

constexpr int kTickMinutes[] = {5, 10, 20, 25, 35, 40, 50, 55};

} // namespace

HandAngles handAngles(double t)
{
    double h = std::fabs(t / 3600);
    const double m = std::fabs((t - std::trunc(h) * 3600) / 60);
    const double s = std::fabs((t - std::trunc(h) * 3600) - std::trunc(m) * 60);
    if (h >= 13)
        h -= 12;
    return {h * 30, m * 6, s * 6};
}

void ClockPainter::draw(double t, Colour background)
{
    const HandAngles angles = handAngles(t);
    surface_.cls(background);
    // A dial with no room (a short side of 10 pixels or less) shows only
    // its background.
    if (g_.radius <= 0)
        return;
    Colour colour = toInt32(settings_.get(settings::kClockColour, settings::kClockColourDefault));
    const int minute = static_cast<int>(std::floor(t / 60));
    if (look_.nightDim && insideNight(minute % kMinutesPerDay, look_.nightFrom, look_.nightTo))
        colour = dimmed(checkedColour(colour), look_.nightLevel);
    const DialOffset offset = look_.screenCare ? screenCareOffset(minute) : DialOffset{};
    centerX_ = toInt16(g_.centerX + offset.x);
    centerY_ = toInt16(g_.centerY + offset.y);
    drawDial(background, colour);
    surface_.setDrawWidth(1);
    surface_.setFillStyle(Surface::kFillSolid);
    const struct {
        const PointList& shape;
        double angle;
    } hands[] = {{g_.hourHand, angles.hour}, {g_.minuteHand, angles.minute}, {g_.secondHand, angles.second}};
    PointList placed;
    for (const auto& hand : hands) {
        surface_.setForeColor(colour);
        surface_.setFillColor(colour);
        rotatePoints(placed, hand.shape, hand.angle, centerX_, centerY_);
        surface_.polygon(placed);
    }
}

void ClockPainter::drawDial(Colour background, Colour colour)
{
    surface_.setDrawWidth(3);
    surface_.setFillStyle(Surface::kFillSolid);
    surface_.setFillColor(background);
    surface_.circle(centerX_, centerY_, g_.radius, colour);

    surface_.setDrawWidth(1);
    surface_.setFillStyle(Surface::kFillSolid);
    surface_.setForeColor(colour);
    surface_.setFillColor(colour);
    surface_.circle(centerX_, centerY_, 5, colour);

    surface_.setForeColor(colour);
    for (std::int16_t n : {3, 6, 9, 12})
        drawNumeral(n);

    surface_.setDrawWidth(2);
    surface_.setForeColor(colour);
    PointList placed;
    for (int minute : kTickMinutes) {
        rotatePoints(placed, g_.tickMark, minute * 6, centerX_, centerY_);
        surface_.polyline(placed);
    }
}

void ClockPainter::drawNumeral(std::int16_t n)
{
    const std::string s = std::to_string(n);
    const double d = g_.radius - surface_.textWidth("00") / 1.3;
    const double a = static_cast<std::int16_t>(180 - 30 * n) * (kPi / 180);
    surface_.setCurrentX(centerX_ + d * std::sin(a) - surface_.textWidth(s) / 2);
    surface_.setCurrentY(centerY_ + d * std::cos(a) - surface_.textHeight(s) / 2);
    surface_.print(s);
}

} // namespace hv
