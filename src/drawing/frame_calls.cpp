#include "drawing/frame_calls.h"

#include "drawing/call_bounds.h"

#include <algorithm>
#include <utility>

namespace hv {

FrameCall FrameCalls::wipe(Colour background) const
{
    return {{DrawingCall::Kind::Clear, 0, 0, 0, {}, background, {}, {}}, whole_};
}

void FrameCalls::restart(int width, int height, Colour fill)
{
    whole_ = {0, 0, width, height};
    frame_ = {wipe(fill)};
    taken_.clear();
    clearedSinceTaken_ = true;
}

std::vector<FrameCall> FrameCalls::clear(Colour background)
{
    clearedSinceTaken_ = true;
    return std::exchange(frame_, {wipe(background)});
}

const FrameCall& FrameCalls::add(DrawingCall call, PixelRegion bounds)
{
    // A dial's face filled with the background straight on the wipe leaves
    // its inside as the wipe did: moved or recoloured, only the ring of its
    // outline changes, not the whole square around it.
    if (frame_.size() == 1 && call.kind == DrawingCall::Kind::Circle && call.fill == background())
        bounds = ringBounds(call);
    frame_.push_back({std::move(call), std::move(bounds)});
    return frame_.back();
}

PixelRegion FrameCalls::takeChanges()
{
    PixelRegion changes;
    const std::size_t taken = taken_.size();
    if (!clearedSinceTaken_) {
        // Only calls on top of what was there.
        for (std::size_t i = taken; i < frame_.size(); ++i)
            changes += frame_[i].bounds;
    } else if (taken == 0 || !(frame_.front() == taken_.front())) {
        changes = whole_;
    } else {
        for (std::size_t i = 1; i < std::max(taken, frame_.size()); ++i) {
            const bool now = i < frame_.size(), before = i < taken;
            if (now && before && frame_[i] == taken_[i])
                continue;
            if (now)
                changes += frame_[i].bounds;
            if (before)
                changes += taken_[i].bounds;
        }
    }
    taken_ = frame_;
    clearedSinceTaken_ = false;
    return changes;
}

void redrawByRect(const PixelRegion& region, std::span<const FrameCall> frame, const RectRedraw& redraw)
{
    const Colour background = *frame.front().drawn.fill;
    std::vector<const DrawingCall*> within;
    for (const PixelRect& rect : region.rects()) {
        const PixelRegion part(rect);
        within.clear();
        for (const FrameCall& call : frame.subspan(1))
            if (call.bounds.meets(part) && !leavesWipedAlone(call.drawn, rect, background))
                within.push_back(&call.drawn);
        redraw(rect, background, within);
    }
}

} // namespace hv
