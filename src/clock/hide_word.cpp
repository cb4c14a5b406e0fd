#include "clock/hide_word.h"

namespace hv {

bool HideWord::feed(std::int16_t keyCode)
{
    // Advances to `next` when the word stands at `expected`, else starts over.
    auto step = [this](std::int16_t expected, std::int16_t next) {
        if (typing_ && stage_ == expected)
            stage_ = next;
        else
            reset();
    };
    switch (keyCode) {
    case vk::kH:
        if (!typing_ && stage_ == 0) {
            typing_ = true;
            stage_ = 1;
        } else {
            reset();
        }
        return false;
    case vk::kI: step(1, 2); return false;
    case vk::kD: step(2, 3); return false;
    case vk::kE:
        // An E out of turn leaves the word where it was.
        if (typing_ && stage_ == 3) {
            reset();
            return true;
        }
        return false;
    default: reset(); return false;
    }
}

} // namespace hv
