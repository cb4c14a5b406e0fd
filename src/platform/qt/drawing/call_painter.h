#pragma once
// Drawing calls painted with QPainter, antialiased, in the painter's font.
#include "drawing/drawing_call.h"
#include "drawing/pixel_region.h"

#include <QPainter>
#include <QRegion>

#include <span>

namespace hv::qt {

// One call, a text's top-left corner at ascent above its base line; a
// clear paints nothing, the picture's owner wipes it.
void paintCall(QPainter& p, const DrawingCall& call, double ascent);
// Wipes the rectangle, in logical pixels, with the background and paints
// the calls clipped to it: there the pixels become exactly what wiping
// the whole picture and painting the calls would give.
void paintWithin(
    QPainter& p, const QRect& rect, Colour background, std::span<const DrawingCall* const> calls, double ascent);
QRegion toQRegion(const PixelRegion& region);

} // namespace hv::qt
