#pragma once
// Rules every front-end's windows follow, written once over plain data:
// each front-end keeps only the calls to its own toolkit.
#include "platform/window.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace hv {

// Calls a handler of a window, its controls or timers: only while owner,
// the presenter, lives, and with it kept alive for the whole call. An error
// the handler lets through is told on stderr under the window's name.
// Returns whether the handler ran.
bool deliverWhileOwned(const std::weak_ptr<void>& owner, std::string_view window, const std::function<void()>& handler);

template <typename Handle>
struct TabStop {
    int tabIndex;
    Handle control;
};

// The controls in the order Tab visits them: by tab index, equal indexes
// in the order they were added.
template <typename Handle>
std::vector<Handle> inTabOrder(std::vector<TabStop<Handle>> stops)
{
    std::ranges::stable_sort(stops, {}, &TabStop<Handle>::tabIndex);
    std::vector<Handle> order;
    order.reserve(stops.size());
    for (const TabStop<Handle>& stop : stops)
        order.push_back(stop.control);
    return order;
}

struct PixelPoint {
    int x = 0, y = 0;
};

struct PixelArea {
    int left = 0, top = 0, width = 0, height = 0;
};

// Where a window of the given outer size goes to stand centred in area.
PixelPoint centredIn(const PixelArea& area, int width, int height);

// What the pointer over a window and its controls shows.
enum class PointerShape { Inherited, Wait, Hand, MouseIcon };

// The custom pointer is the window's mouse icon where it has one, else the
// platform's pointing hand; the default leaves each control to its own.
PointerShape pointerShapeOf(MousePointer pointer, bool hasMouseIcon);

} // namespace hv
