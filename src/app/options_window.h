#pragma once
// The options window: the program's start-up window, from which the user
// picks the zone the clock shows, switches the options and opens the clock.
// Every option is stored the moment it changes.
#include "app/options_host.h"
#include "shared/presenter.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace hv {

class Form1 : public Presenter {
public:
    static constexpr std::string_view kHelpText =
        "If you need help or features added to the software, please email ";

    Form1(Platform& platform, OptionsHost& host) : Presenter(platform), host_(host) {}

    // While true, closing this window does not end the program.
    bool mDontUnload = false;

    void Form_Load() override;
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

    // Whether the last load opened the clock by itself.
    bool openedClockOnLoad() const { return openedClockOnLoad_; }
    CheckBox& hideHintBox() { return *check1_; }
    CheckBox& keepAwakeBox() { return *check4_; }

private:
    void build() override;
    void onUnload() override { Form_QueryUnload(); }
    // Sets the log-in box without storing or registering anything.
    void restoreCheck3(std::int16_t value);

    OptionsHost& host_;
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
