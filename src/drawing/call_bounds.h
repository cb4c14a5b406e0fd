#pragma once
// Every pixel an antialiased drawing call may touch, so that a canvas can
// tell what part of its image a frame changed and where to paint again.
#include "drawing/drawing_call.h"
#include "drawing/pixel_region.h"

namespace hv {

// Where a text's glyphs lie, in pixels: the canvas's font decides.
struct TextBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// For every call but a text; a clear covers the whole canvas.
PixelRegion shapeBounds(const DrawingCall& call, int canvasWidth, int canvasHeight);
// Where a circle filled with the background changes a picture that held
// only the background: its outline's ring, a band of rows at a time.
PixelRegion ringBounds(const DrawingCall& circle);
// Whether painting the call over the rectangle, freshly wiped with the
// background, would leave it as it is: a circle filled with the
// background whose outline does not come near the rectangle. Such a dial
// meets every part of the clock, and filling it again costs more than the
// rest of a redraw.
bool leavesWipedAlone(const DrawingCall& call, const PixelRect& rect, Colour background);
// Glyphs may reach a little past their box.
PixelRect textBounds(const TextBox& box);

} // namespace hv
