#pragma once
// Tells a hand on the mouse from a pointer that only trembles: the first
// position seen is where the pointer rests, and only a move beyond a few
// pixels from there counts. A screen saver ends on such a move, not on the
// move the system reports as its window appears.
#include <optional>

namespace hv {

class PointerTravel {
public:
    static constexpr int kJitterPixels = 4;

    // Whether the pointer at x, y (pixels of the desktop) has left its
    // resting place.
    bool movedAway(int x, int y);

private:
    struct At {
        int x, y;
    };
    std::optional<At> rest_;
};

} // namespace hv
