#pragma once
// The options window: the program's start-up window, from which the user
// picks the zone the clock shows, switches the options and opens the clock.
// Every option is stored the moment it changes.
#include "app/options_host.h"
#include "shared/presenter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hv {

class OptionsWindow : public Presenter {
public:
    static constexpr std::string_view kHelpText = "If you need help or features added to the software, please email ";

    OptionsWindow(Platform& platform, OptionsHost& host)
        : Presenter(platform)
        , host_(host)
    {
    }

    // While true, closing this window does not end the program.
    bool keepRunningOnClose = false;

    void load() override;
    // Ends the program unless keepRunningOnClose says the clock takes over.
    void endProgramUnlessKept();
    // Reads the catalogue; the list is filled later, by fillZoneList.
    void listZones();
    // Fills the zone list if it is still empty since the load: once the
    // window is on the screen, or before the list is used.
    void fillZoneList();
    void hideHintChanged();
    void startAtLogInChanged();
    void keepAwakeChanged();
    void everyMonitorChanged();
    void nightDimChanged();
    void screenCareChanged();
    void zoneChosen();
    void showClock();
    void showHelp();
    void openColourWindow();
    void resetColours();

    // Whether the last load opened the clock by itself.
    bool openedClockOnLoad() const { return openedClockOnLoad_; }
    CheckBox& hideHintBox() { return *hideHintBox_; }
    CheckBox& keepAwakeBox() { return *keepAwakeBox_; }
    CheckBox& everyMonitorBox() { return *everyMonitorBox_; }
    CheckBox& nightDimBox() { return *nightDimBox_; }
    CheckBox& screenCareBox() { return *screenCareBox_; }
    // The monitor (its Monitor::id) that holds most of the window.
    std::string monitor() const { return view_->monitor(); }

private:
    void build() override;
    void onUnload() override { endProgramUnlessKept(); }
    // Sets the log-in box without storing or registering anything.
    void restoreStartAtLogIn(std::int16_t value);
    // Stores the time a night box holds as "HH:MM"; a box that holds no
    // time shows the stored one again, and the user is told why.
    void nightTimeEdited(TextField& box, std::string_view key, std::string_view fallback);
    // The stored time of day as the box shows it: the default when the
    // stored text is no time.
    std::string storedNightTime(std::string_view key, std::string_view fallback) const;

    OptionsHost& host_;
    CheckBox* hideHintBox_ = nullptr;
    CheckBox* startAtLogInBox_ = nullptr;
    CheckBox* keepAwakeBox_ = nullptr;
    CheckBox* everyMonitorBox_ = nullptr;
    CheckBox* nightDimBox_ = nullptr;
    TextField* nightFromBox_ = nullptr;
    TextField* nightToBox_ = nullptr;
    CheckBox* screenCareBox_ = nullptr;
    ComboBox* zoneList_ = nullptr;
    SkinFramework* skin_ = nullptr;
    // Frames, check boxes and labels, in the window's control order: what
    // the skin recolours.
    std::vector<Control*> recoloured_;

    bool loading_ = false;
    // The catalogue is read and the list not yet filled from it.
    bool zonesPending_ = false;
    bool restoringStartAtLogIn_ = false;
    bool openedClockOnLoad_ = false;
};

} // namespace hv
