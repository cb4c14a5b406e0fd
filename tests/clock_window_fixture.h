#pragma once
// What the clock window's tests share: the program with every port faked,
// and the clock opened as the user opens it, from the options window.
#include "app/program.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace hv::test {

using fakes::FakeWindowState;
using fakes::Log;

constexpr std::int16_t kEsc = vk::kEscape;
constexpr double kHour = 3600;

// Starts the program and presses "Show Fullscreen Clock".
inline void showClock(fakes::FakePlatform& fake, Program& program)
{
    program.start();
    fake.windows.last("Form1").click("PushButton1");
}

inline bool keepsRunningOnClose(Program& program) { return program.optionsWindow()->keepRunningOnClose; }

struct ClockWindowTest : testing::Test {
    fakes::FakePlatform fake;
    Program program{fake.platform};

    FakeWindowState& window() { return fake.windows.last("Form2"); }
    fakes::FakeLabel& hint() { return window().label("Label1"); }

    // Opened and laid out on a full-HD screen, with the log cleared.
    FakeWindowState& open()
    {
        showClock(fake, program);
        window().resize(1920, 1080);
        fake.log.clear();
        window().canvas.forget();
        return window();
    }
};

} // namespace hv::test
