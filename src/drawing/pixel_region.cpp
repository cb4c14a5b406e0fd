#include "drawing/pixel_region.h"

#include <algorithm>

namespace hv {

PixelRect PixelRect::intersected(const PixelRect& other) const
{
    const PixelRect common{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
        std::min(bottom, other.bottom)};
    return common.empty() ? PixelRect{} : common;
}

PixelRect PixelRect::united(const PixelRect& other) const
{
    if (empty())
        return other;
    if (other.empty())
        return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
        std::max(bottom, other.bottom)};
}

PixelRegion& PixelRegion::operator+=(const PixelRect& rect)
{
    if (!rect.empty())
        rects_.push_back(rect);
    return *this;
}

PixelRegion& PixelRegion::operator+=(const PixelRegion& other)
{
    rects_.insert(rects_.end(), other.rects_.begin(), other.rects_.end());
    return *this;
}

PixelRect PixelRegion::bounds() const
{
    PixelRect all;
    for (const PixelRect& r : rects_)
        all = all.united(r);
    return all;
}

bool PixelRegion::contains(int x, int y) const
{
    return std::any_of(rects_.begin(), rects_.end(), [&](const PixelRect& r) { return r.contains(x, y); });
}

bool PixelRegion::meets(const PixelRegion& other) const
{
    return std::any_of(rects_.begin(), rects_.end(), [&](const PixelRect& r) {
        return std::any_of(
            other.rects_.begin(), other.rects_.end(), [&](const PixelRect& o) { return !r.intersected(o).empty(); });
    });
}

} // namespace hv
