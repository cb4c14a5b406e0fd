#include "clock/pointer_travel.h"

namespace hv {

bool PointerTravel::movedAway(int x, int y)
{
    if (!rest_) {
        rest_ = At{x, y};
        return false;
    }
    const long long dx = static_cast<long long>(x) - rest_->x;
    const long long dy = static_cast<long long>(y) - rest_->y;
    return dx * dx + dy * dy > kJitterPixels * kJitterPixels;
}

} // namespace hv
