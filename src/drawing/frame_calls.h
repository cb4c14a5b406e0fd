#pragma once
// The calls of the frame being drawn, each with every pixel it may touch,
// and the part of the picture they changed since it was last shown, so a
// window repaints only that. Calls that repeat those of the frame shown
// before, on the same background, leave the same pixels.
#include "drawing/drawing_call.h"
#include "drawing/pixel_region.h"

#include <functional>
#include <span>
#include <vector>

namespace hv {

struct FrameCall {
    DrawingCall drawn;
    PixelRegion bounds; // in logical pixels
    // What it draws; where follows from that.
    friend bool operator==(const FrameCall& a, const FrameCall& b) { return a.drawn == b.drawn; }
};

class FrameCalls {
public:
    FrameCalls() { restart(0, 0, kBlack); }

    // A fresh picture of that size wiped with the fill: all of it changed.
    void restart(int width, int height, Colour fill);
    // Starts a frame with its wipe and gives back the frame it ends.
    std::vector<FrameCall> clear(Colour background);
    const FrameCall& add(DrawingCall call, PixelRegion bounds);

    // The frame so far, its wipe first.
    std::span<const FrameCall> calls() const { return frame_; }
    Colour background() const { return *frame_.front().drawn.fill; }
    const PixelRect& whole() const { return whole_; }
    // The region where the picture may differ from what it was at the last
    // call of this.
    PixelRegion takeChanges();

private:
    FrameCall wipe(Colour background) const;

    PixelRect whole_;
    std::vector<FrameCall> frame_;
    std::vector<FrameCall> taken_; // the calls when changes were last taken
    bool clearedSinceTaken_ = true;
};

// Redraws a region of a frame's picture a rectangle at a time: a toolkit
// clips to one rectangle far faster than to a region of many, and each
// needs only the few calls that reach it. The redraw wipes the rectangle
// with the frame's background and paints the calls given, clipped to it;
// where rectangles overlap, the pixels come out the same.
using RectRedraw
    = std::function<void(const PixelRect& rect, Colour background, std::span<const DrawingCall* const> calls)>;
void redrawByRect(const PixelRegion& region, std::span<const FrameCall> frame, const RectRedraw& redraw);

} // namespace hv
