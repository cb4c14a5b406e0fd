#pragma once
// What an image canvas reuses from one frame to the next.
//
// A clock draws every frame whole, and most of a frame repeats the one
// before: the same wipe, the same dial, often the same hour hand. So the
// canvas keeps the pixels of the longest run of calls that opened the
// last frames (the "base") and, while a new frame repeats that run, only
// notes the calls; at the first call that differs it redraws the base
// where the last frame drew over it and carries on drawing. The image
// then holds exactly the pixels that drawing every call would give, at a
// fraction of the cost. Which part of the image changed since it was last
// shown comes from FrameCalls.
//
// The base is kept as its calls, not as pixels: a copy of a full-screen
// image per monitor would cost more memory than the window itself.
//
// It decides only which calls to draw and where; FramePixels does the
// drawing.
#include "drawing/frame_calls.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace hv {

// The pixels of a canvas.
class FramePixels {
public:
    virtual ~FramePixels() = default;
    virtual void wipe(Colour background) = 0;
    virtual void paint(const DrawingCall& call) = 0;
    // Wipes the region, in logical pixels, and paints the calls, each
    // clipped to it: there the pixels become exactly what wiping the whole
    // image and painting the calls would give, and elsewhere they stay.
    virtual void redrawWithin(const PixelRegion& region, Colour background, std::span<const DrawingCall* const> calls)
        = 0;
};

class FrameReuse {
public:
    explicit FrameReuse(FramePixels& pixels)
        : pixels_(pixels)
    {
    }

    // A fresh image of that size wiped with the fill: nothing to reuse.
    void restart(int width, int height, Colour fill);
    // Starts a frame.
    void clear(Colour background);
    // A call of the frame and every pixel it may touch, in logical pixels.
    void add(DrawingCall call, PixelRegion bounds);
    // Brings the pixels to every call so far: a frame that has repeated
    // the base up to here leaves them as the last frame had them.
    void finish();
    // The region where the image may differ from what it held at the last
    // call of this: calls that repeat those of the frame before, on the
    // same background, leave the same pixels.
    PixelRegion takeChanges();

private:
    void paint(const FrameCall& call);
    // Brings the image to the pixels of the frame's first n calls.
    void catchUp(std::size_t n);
    void redrawFrame(std::size_t n);
    void takeBase(std::size_t n);
    void redrawBaseOverBase();
    void noteDivergence(std::size_t index);

    FramePixels& pixels_;
    FrameCalls frame_; // the calls since the last clear
    std::vector<FrameCall> lastFrame_; // those of the frame before

    std::vector<FrameCall> baseCalls_; // empty when there is no base
    PixelRegion overBase_; // where the image may differ from the base
    // True while the frame so far repeats the base's calls and none of it
    // has been drawn yet.
    bool deferred_ = false;
    // True while the frame so far repeats the last frame's calls.
    bool repeatingLast_ = false;
    // Where each of the last frames, a minute's worth, first differed from
    // the one before it (SIZE_MAX: not at all). The base only takes in
    // calls that those frames repeated, so a hand that moves every few
    // seconds stays out of it and does not force it to be taken anew.
    std::array<std::size_t, 60> divergences_{};
};

} // namespace hv
