#include "drawing/colour.h"

#include "runtime/runtime.h"

namespace hv {

Colour checkedColour(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if (bits <= 0xFFFFFFu)
        return value;
    if ((bits & ~0xFFu) == kSystemColourFlag && (bits & 0xFFu) <= kLastSystemColourIndex)
        return value;
    throw RuntimeError::invalidPropertyValue();
}

} // namespace hv
