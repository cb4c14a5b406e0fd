#include "windows/form_rules.h"

#include <cstdio>
#include <exception>
#include <string>

namespace hv {

bool deliverWhileOwned(const std::weak_ptr<void>& owner, std::string_view window, const std::function<void()>& handler)
{
    const auto presenter = owner.lock();
    if (!presenter || !handler)
        return false;
    try {
        handler();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "horavista: %s: %s\n", std::string(window).c_str(), e.what());
    }
    return true;
}

PixelPoint centredIn(const PixelArea& area, int width, int height)
{
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2};
}

PointerShape pointerShapeOf(MousePointer pointer, bool hasMouseIcon)
{
    switch (pointer) {
    case MousePointer::Hourglass: return PointerShape::Wait;
    case MousePointer::Custom: return hasMouseIcon ? PointerShape::MouseIcon : PointerShape::Hand;
    default: return PointerShape::Inherited;
    }
}

} // namespace hv
