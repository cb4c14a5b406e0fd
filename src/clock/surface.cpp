#include "clock/surface.h"

namespace hv {

void Surface::setForeColor(Colour colour) { foreColor_ = checkedColour(colour); }
void Surface::setFillColor(Colour colour) { fillColor_ = checkedColour(colour); }

void Surface::cls(Colour background)
{
    canvas_.clear(background);
    currentX_ = currentY_ = 0;
}

void Surface::circle(double cx, double cy, double radius, Colour outline)
{
    canvas_.circle(cx, cy, radius, {drawWidth_, checkedColour(outline)}, fill());
}

std::optional<Colour> Surface::fill() const
{
    if (fillStyle_ == kFillSolid)
        return fillColor_;
    return std::nullopt;
}

} // namespace hv
