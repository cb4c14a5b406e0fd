#pragma once
// What the tests of both front-ends' windows share: a stand-in presenter
// that writes down what it hears, and the number of a raised error.
#include "platform/runtime.h"
#include "platform/window.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace hv::test {

// Stands in for the presenter: what the window and its controls report,
// each event with the name of its control.
class RecordingEvents {
public:
    std::function<void()> record(std::string event)
    {
        return [this, event] { log.push_back(event); };
    }
    // Every control reports its clicks and the mouse moving over it, as far
    // as the front-end reports them.
    ControlDesign reporting(ControlDesign design)
    {
        design.onClick = record("click " + design.name);
        design.onMouseMove = record("move " + design.name);
        return design;
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
};

// The number of the run-time error fn raises, or 0 when it raises none.
inline int errorNumber(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace hv::test
