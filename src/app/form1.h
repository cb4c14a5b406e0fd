#pragma once
// The options window: the program's start-up window, from which the user
// picks the zone the clock shows, switches the options and opens the clock.
// Every option is stored the moment it changes.
#include "app/options_host.h"
#include "platform/platform.h"

#include <memory>
#include <string>
#include <vector>

namespace hv {

class Form1 : public std::enable_shared_from_this<Form1> {
public:
    static constexpr std::string_view kHelpText =
        "If you need help or features added to the software, please email ";

    // Creates the window with its design values; Form_Load is left to the
    // caller, so the program can name the window before its load runs.
    static std::shared_ptr<Form1> create(Platform& platform, OptionsHost& host);

    Form1(Platform& platform, OptionsHost& host) : p_(platform), host_(host) {}

    // While true, closing this window does not end the program.
    bool mDontUnload = false;

    void Form_Load();
    void Form_QueryUnload();
    void ListTimeZones();
    void Check1_Click();
    void Check3_Click();
    void Check4_Click();
    void Combo1_Click();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton4_Click();
    void PushButton5_Click();

    void show() { view_->show(); }
    // Called by the program once the close handling has run.
    void markUnloaded() { view_->close(); }
    // Whether the last load opened the clock by itself.
    bool openedClockOnLoad() const { return openedClockOnLoad_; }

    CheckBox& hideHintBox() { return *check1_; }
    CheckBox& keepAwakeBox() { return *check4_; }
    ComboBox& zoneList() { return *combo1_; }
    WindowView& view() { return *view_; }

private:
    void build();
    // Sets the log-in box without storing or registering anything.
    void restoreCheck3(std::int16_t value);

    Platform& p_;
    OptionsHost& host_;
    std::unique_ptr<WindowView> view_;
    CheckBox* check1_ = nullptr;
    CheckBox* check3_ = nullptr;
    CheckBox* check4_ = nullptr;
    ComboBox* combo1_ = nullptr;
    SkinFramework* skin_ = nullptr;
    // Frames and check boxes, in the window's control order: what the skin
    // recolours.
    std::vector<Control*> recoloured_;

    bool mLoading = false;
    bool restoringCheck3_ = false;
    bool openedClockOnLoad_ = false;
};

} // namespace hv
