#pragma once
// The program: it owns the windows and the platform they run on, loads a
// window when it is first asked for and unloads it when it closes. When
// no window is left, the program ends.
#include "clock/clock_host.h"
#include "clock/form2.h"
#include "platform/platform.h"

#include <memory>

namespace hv {

class Program : public ClockHost {
public:
    explicit Program(Platform& platform) : p_(platform) {}

    // What the program does when it is started: it opens the clock.
    void start();

    // The clock window, loaded first when it is not.
    std::shared_ptr<Form2> clockWindow();
    bool clockWindowLoaded() const { return form2_ != nullptr; }
    bool dontUnload() const { return dontUnload_; }

    std::int16_t optionBox(Box box) override;
    void setOptionBox(Box box, std::int16_t value) override;
    void showOptionsWindow() override {}
    void setDontUnload(bool dontUnload) override { dontUnload_ = dontUnload; }
    void unloadClockWindow() override;

private:
    Platform& p_;
    std::shared_ptr<Form2> form2_;
    bool dontUnload_ = false;
    // The states of the options the clock restores; they are stored when
    // they change, as a click on their box would.
    std::int16_t hideHintBox_ = 0;
    std::int16_t keepAwakeBox_ = 0;
};

} // namespace hv
