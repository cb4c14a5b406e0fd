#include "drawing/frame_reuse.h"

#include "drawing/call_bounds.h"

#include <algorithm>
#include <utility>

namespace hv {

namespace {

// A base of the wipe alone saves nothing over wiping again.
constexpr std::size_t kShortestBase = 2;
// How many frames before must have repeated what a first base holds.
constexpr std::size_t kFramesBeforeFirstBase = 4;

} // namespace

FrameReuse::Call FrameReuse::wipe(Colour background) const
{
    return {{DrawingCall::Kind::Clear, 0, 0, 0, {}, background, {}, {}}, whole_};
}

void FrameReuse::restart(int width, int height, Colour fill)
{
    whole_ = {0, 0, width, height};
    frame_ = {wipe(fill)};
    lastFrame_.clear();
    taken_.clear();
    clearedSinceTaken_ = true;
    baseCalls_.clear();
    overBase_ = PixelRegion();
    deferred_ = false;
    repeatingLast_ = false;
    divergences_.fill(0);
}

void FrameReuse::clear(Colour background)
{
    Call wiped = wipe(background);
    if (repeatingLast_)
        noteDivergence(frame_.size() < lastFrame_.size() ? frame_.size() : SIZE_MAX);
    lastFrame_ = std::move(frame_);
    frame_ = {wiped};
    clearedSinceTaken_ = true;
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
    frame_.push_back({std::move(call), std::move(bounds)});
    const std::size_t i = frame_.size() - 1;
    const Call& added = frame_.back();
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
    const bool frameEnded = n == frame_.size();
    redrawFrame(n);
    if (frameEnded)
        overBase_ = whole_;
    else if (n >= kShortestBase)
        takeBase(n);
    else
        baseCalls_.clear();
}

void FrameReuse::redrawFrame(std::size_t n)
{
    pixels_.wipe(*frame_.front().drawn.fill);
    for (std::size_t k = 1; k < n; ++k)
        pixels_.paint(frame_[k].drawn);
}

// Only the base's calls that may touch what the last frame drew over it.
void FrameReuse::redrawBaseOverBase()
{
    if (overBase_.empty())
        return;
    // A rectangle at a time: a toolkit clips to one rectangle far faster
    // than to a region of many, and each needs only the few calls that
    // reach it. Where rectangles overlap, the pixels come out the same.
    const Colour background = *baseCalls_.front().drawn.fill;
    std::vector<const DrawingCall*> within;
    for (const PixelRect& rect : overBase_.rects()) {
        const PixelRegion part(rect);
        within.clear();
        for (std::size_t k = 1; k < baseCalls_.size(); ++k)
            if (baseCalls_[k].bounds.meets(part) && !leavesWipedAlone(baseCalls_[k].drawn, rect, background))
                within.push_back(&baseCalls_[k].drawn);
        pixels_.redrawWithin(part, background, within);
    }
    overBase_ = PixelRegion();
}

void FrameReuse::takeBase(std::size_t n)
{
    baseCalls_.assign(frame_.begin(), frame_.begin() + static_cast<std::ptrdiff_t>(n));
    overBase_ = PixelRegion();
}

void FrameReuse::finish()
{
    if (!deferred_)
        return;
    deferred_ = false;
    catchUp(frame_.size());
}

void FrameReuse::paint(const Call& call)
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

} // namespace hv
