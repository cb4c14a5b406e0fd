#pragma once
// The dial's geometry and the hand and tick templates, worked out from the
// clock window's client size, and the rotation that places a template.
#include "platform/canvas.h"

#include <cstdint>

namespace hv {

// Pi to the ten digits the dial's angles have always been worked out with:
// every point of a frame goes through it.
inline constexpr double kPi = 3.141592654;

struct ClockGeometry {
    std::int16_t centerX = 0;
    std::int16_t centerY = 0;
    float radius = 0;
    std::int16_t tickLength = 0;
    // Templates pointing at 12 about the origin.
    PointList hourHand, minuteHand, secondHand, tickMark;
};

// Centre, radius and tick length for a client area, then the templates.
// Raises Overflow for a client area beyond the 16-bit range.
ClockGeometry geometryFor(int clientWidth, int clientHeight);

// Rebuilds the four templates from the radius and tick length.
void shapeHands(ClockGeometry& g);

// Turns src clockwise by angle degrees about the origin and moves it by the
// offsets, into a fresh dst. Raises Overflow when a point leaves 32 bits.
void rotatePoints(PointList& dst, const PointList& src, double angle, double xOffset, double yOffset);

} // namespace hv
