#pragma once
// Rectangles of pixels and unions of them: where a drawing call may touch
// and what part of an image changed. A region keeps its rectangles as they
// were added, overlaps and all: its users walk them or take their bounds,
// and a frame adds a few dozen, fewer than merging them would save.
#include <span>
#include <vector>

namespace hv {

// Right and bottom are exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    PixelRect intersected(const PixelRect& other) const;
    PixelRect united(const PixelRect& other) const;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class PixelRegion {
public:
    PixelRegion() = default;
    PixelRegion(const PixelRect& rect) { *this += rect; }

    PixelRegion& operator+=(const PixelRect& rect);
    PixelRegion& operator+=(const PixelRegion& other);

    bool empty() const { return rects_.empty(); }
    std::span<const PixelRect> rects() const { return rects_; }
    // The smallest rectangle holding the region; empty for an empty one.
    PixelRect bounds() const;
    bool contains(int x, int y) const;
    // Whether the two share a pixel.
    bool meets(const PixelRegion& other) const;

private:
    std::vector<PixelRect> rects_;
};

} // namespace hv
