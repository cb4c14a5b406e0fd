#include "drawing/frame_reuse.h"

#include <algorithm>
#include <utility>

namespace hv {

namespace {

// A base of the wipe alone saves nothing over wiping again.
constexpr std::size_t kShortestBase = 2;
// How many frames before must have repeated what a first base holds.
constexpr std::size_t kFramesBeforeFirstBase = 4;

} // namespace

void FrameReuse::restart(int width, int height, Colour fill)
{
    frame_.restart(width, height, fill);
    lastFrame_.clear();
    baseCalls_.clear();
    overBase_ = PixelRegion();
    deferred_ = false;
    repeatingLast_ = false;
    divergences_.fill(0);
}

void FrameReuse::clear(Colour background)
{
    if (repeatingLast_)
        noteDivergence(frame_.calls().size() < lastFrame_.size() ? frame_.calls().size() : SIZE_MAX);
    lastFrame_ = frame_.clear(background);
    const FrameCall& wiped = frame_.calls().front();
    repeatingLast_ = !lastFrame_.empty() && lastFrame_.front() == wiped;
    if (!baseCalls_.empty() && baseCalls_.front() == wiped) {
        // The image keeps the last frame's pixels until a call differs
        // from the base.
        deferred_ = true;
    } else {
        baseCalls_.clear();
        deferred_ = false;
        pixels_.wipe(background);
    }
}

void FrameReuse::add(DrawingCall call, PixelRegion bounds)
{
    const FrameCall& added = frame_.add(std::move(call), std::move(bounds));
    const std::size_t i = frame_.calls().size() - 1;
    const bool repeatsLast = repeatingLast_ && i < lastFrame_.size() && added == lastFrame_[i];
    const bool onBase = deferred_ && i < baseCalls_.size() && added == baseCalls_[i];
    if (deferred_ && !onBase) {
        deferred_ = false;
        catchUp(i);
    }
    if (repeatingLast_ && !repeatsLast) {
        // The first call in which this frame differs from the last: what
        // went before opened the last frames as well and will likely open
        // the next ones. A first base comes soon; a longer one only takes
        // in calls that stayed the same for a good while, so an hour hand
        // that moves every few seconds on a large dial is not taken in
        // only to be dropped again.
        const std::size_t frames = baseCalls_.empty() ? kFramesBeforeFirstBase : divergences_.size();
        const std::size_t repeatedBefore
            = *std::min_element(divergences_.end() - static_cast<std::ptrdiff_t>(frames), divergences_.end());
        if (!deferred_ && i >= kShortestBase && i > baseCalls_.size() && repeatedBefore >= i)
            takeBase(i);
        noteDivergence(i);
    }
    repeatingLast_ = repeatsLast;
    if (!onBase)
        paint(added);
}

void FrameReuse::noteDivergence(std::size_t index)
{
    std::rotate(divergences_.begin(), divergences_.begin() + 1, divergences_.end());
    divergences_.back() = index;
}

void FrameReuse::catchUp(std::size_t n)
{
    if (n == baseCalls_.size()) {
        redrawBaseOverBase();
        return;
    }
    // Fewer calls than the base holds: redraw them. If the frame goes on
    // with a call the base does not have, the base is out of date.
    const bool frameEnded = n == frame_.calls().size();
    redrawFrame(n);
    if (frameEnded)
        overBase_ = frame_.whole();
    else if (n >= kShortestBase)
        takeBase(n);
    else
        baseCalls_.clear();
}

void FrameReuse::redrawFrame(std::size_t n)
{
    pixels_.wipe(frame_.background());
    for (const FrameCall& call : frame_.calls().first(n).subspan(1))
        pixels_.paint(call.drawn);
}

// Only the base's calls that may touch what the last frame drew over it.
void FrameReuse::redrawBaseOverBase()
{
    if (overBase_.empty())
        return;
    redrawByRect(overBase_, baseCalls_,
        [&](const PixelRect& rect, Colour background, std::span<const DrawingCall* const> calls) {
            pixels_.redrawWithin(rect, background, calls);
        });
    overBase_ = PixelRegion();
}

void FrameReuse::takeBase(std::size_t n)
{
    const std::span<const FrameCall> frame = frame_.calls();
    baseCalls_.assign(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(n));
    overBase_ = PixelRegion();
}

void FrameReuse::finish()
{
    if (!deferred_)
        return;
    deferred_ = false;
    catchUp(frame_.calls().size());
}

void FrameReuse::paint(const FrameCall& call)
{
    pixels_.paint(call.drawn);
    // Its bounding rectangle: a few large rectangles are painted again
    // faster than the many thin bands of a hand.
    if (!baseCalls_.empty())
        overBase_ += call.bounds.bounds();
}

PixelRegion FrameReuse::takeChanges()
{
    finish();
    return frame_.takeChanges();
}

} // namespace hv
