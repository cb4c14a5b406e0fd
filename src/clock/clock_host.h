#pragma once
// What the clock window needs of the program around it: the options
// window's boxes it restores and the monitor that window is on, showing
// that window again, and its own unloading.
#include <cstdint>
#include <string>

namespace hv {

// How the clock is shown: as the program's own window, or as a screen saver.
struct ClockMode {
    // No options window and no keep-awake; the first key, click or move of
    // the pointer beyond a few pixels ends the program.
    bool screenSaver = false;
    // A window of another program to draw into (a preview, the window a
    // screen-saver daemon hands over); 0 for the clock's own windows.
    std::uintptr_t host = 0;
};

class ClockHost {
public:
    enum class Box { HideHint, KeepAwake, EveryMonitor };

    virtual ~ClockHost() = default;
    virtual std::int16_t optionBox(Box box) = 0;
    // Raises "Invalid property value" for a state other than 0, 1 or 2; a
    // changed state is stored like a click on the box.
    virtual void setOptionBox(Box box, std::int16_t value) = 0;
    virtual void showOptionsWindow() = 0;
    // The monitor (its Monitor::id) the options window is on.
    virtual std::string optionsMonitor() = 0;
    virtual void setKeepRunningOnClose(bool keep) = 0;
    // Runs the clock window's close handling, then unloads it.
    virtual void unloadClockWindow() = 0;
    virtual const ClockMode& clockMode() const = 0;
};

} // namespace hv
