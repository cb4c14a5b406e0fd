#pragma once
// The program: it owns the platform's windows and the time-zone catalogue.
// A window is loaded when it is first asked for and unloaded when it
// closes; the next use loads it afresh.
#include "app/options_window.h"
#include "app/reporting_settings_store.h"
#include "clock/clock_host.h"
#include "clock/clock_window.h"
#include "colour/colour_window.h"
#include "runtime/message_box_guard.h"
#include "platform/platform.h"
#include "tz/time_zone_catalogue.h"

#include <array>
#include <memory>
#include <string>

namespace hv {

class Program : public OptionsHost, public ClockHost, public ColourHost {
public:
    // Every window shows its boxes through the program's one-at-a-time
    // guard around the platform's message boxes, and stores its options
    // through a store that tells the user what could not be saved.
    explicit Program(const Platform& platform);

    // What the program does when it is started: it loads the options
    // window and shows it, unless its load opened the clock.
    void start();
    // Started as a screen saver: the clock at once, on every monitor, or in
    // host, a window of another program, when one is given.
    void startScreenSaver(std::uintptr_t host = 0);

    // The windows, each loaded first when it is not.
    std::shared_ptr<OptionsWindow> optionsWindow();
    std::shared_ptr<ClockWindow> clockWindow() override;
    std::shared_ptr<ColourWindow> colourWindow() override;
    // Runs the options window's close handling, then unloads it.
    void unloadOptionsWindow() override;

    TimeZoneCatalogue& catalogue() override { return catalogue_; }
    // The message boxes every part of the program shows its boxes through:
    // never more than one is open.
    OneBoxAtATime& messageBoxes() { return boxes_; }
    // The title of message boxes that name none.
    const std::string& appTitle() const override { return appTitle_; }
    void setAppTitle(std::string title) override { appTitle_ = std::move(title); }

    std::int16_t optionBox(Box box) override;
    void setOptionBox(Box box, std::int16_t value) override;
    void showOptionsWindow() override;
    std::string optionsMonitor() override;
    void setKeepRunningOnClose(bool keep) override;
    void unloadClockWindow() override;
    void unloadColourWindow() override;
    const ClockMode& clockMode() const override { return clockMode_; }

private:
    OneBoxAtATime boxes_;
    // Every window stores its options through settings_, which tells the
    // user what could not be saved.
    ReportingSettingsStore settings_;
    Platform p_;
    TimeZoneCatalogue catalogue_;
    std::string appTitle_;
    ClockMode clockMode_;
    // A screen saver shows no options window: the program holds the
    // states of its boxes the clock reads.
    std::array<std::int16_t, 3> saverBoxes_{};
    std::shared_ptr<OptionsWindow> options_;
    std::shared_ptr<ClockWindow> clock_;
    std::shared_ptr<ColourWindow> colour_;

    // The options window's box, the window loaded first when it is not.
    CheckBox& optionsBox(Box box);
    // The window in slot, loaded first when it is not.
    template <typename Form>
    std::shared_ptr<Form> loaded(std::shared_ptr<Form>& slot);
    // Unloads the window in slot, unless it is not loaded or already
    // closing.
    template <typename Form>
    void unload(std::shared_ptr<Form>& slot);
};

} // namespace hv
