#include "app/options_window.h"

#include "clock/clock_window.h"
#include "clock/night_hours.h"
#include "colour/colour_window.h"
#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/window_rules.h"
#include "shared/settings_keys.h"
#include "system/start_up.h"
#include "tz/time_zone_catalogue.h"

namespace hv {

namespace {

using Handler = std::function<void()>;

ControlDesign frame(std::string name, std::string caption, TwipRect rect, int tabIndex, Handler onMouseMove)
{
    return {std::move(name), std::move(caption), rect, kWindowFont, {}, tabIndex, kWhite, {}, std::move(onMouseMove)};
}

// A check box or list, inside the frame it names, if any.
ControlDesign framed(
    std::string name, std::string caption, TwipRect rect, int tabIndex, std::string frame, Handler onClick)
{
    return {std::move(name), std::move(caption), rect, kWindowFont, std::move(frame), tabIndex, kWhite,
        std::move(onClick), {}};
}

ControlDesign button(
    std::string name, std::string caption, int top, int tabIndex, Handler onClick, Handler onMouseMove = {})
{
    return {std::move(name), std::move(caption), {120, top, 7800, 405}, kButtonFont, {}, tabIndex, kWhite,
        std::move(onClick), std::move(onMouseMove)};
}

// A box for a time of day, "HH:MM", inside the frame it names.
ControlDesign timeBox(std::string name, TwipRect rect, int tabIndex, std::string frame, Handler onEditEnd)
{
    constexpr int kLength = 5;
    return {std::move(name), "", rect, kWindowFont, std::move(frame), tabIndex, kWhite, {}, {}, std::move(onEditEnd),
        kLength};
}

// "HH:MM", the form the night times are stored in.
std::string clockTimeText(int minutes)
{
    const auto twoDigits = [](int n) {
        return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
    };
    return twoDigits(minutes / 60) + ":" + twoDigits(minutes % 60);
}

} // namespace

void OptionsWindow::build()
{
    // The pointer turns into the hand over the buttons that open or reset
    // something, and back over the window and its frames.
    const Handler hand = [this] { applyPointerRule(*view_, MousePointer::Custom); };
    const Handler plain = [this] { applyPointerRule(*view_, MousePointer::Default); };
    WindowEvents events;
    events.onMouseMove = plain;
    events.onCloseRequest = [this] { host_.unloadOptionsWindow(); };
    events.onShown = [this] { fillZoneList(); };
    createWindow(fixedWindow("Form1", {8040, 6480}, true, kWhite), std::move(events));

    view_->addPushButton(button(
        "PushButton1", "Show Fullscreen Clock", 120, 3, [this] { showClock(); }, hand));
    recoloured_.push_back(&view_->addFrame(frame("Frame2", "Select Time Zone", {120, 560, 7800, 810}, 5, plain)));
    zoneList_ = &view_->addComboBox(framed("Combo1", "", {240, 300, 7455, 345}, 0, "Frame2", [this] { zoneChosen(); }));
    recoloured_.push_back(&view_->addFrame(frame("Frame1", "Prevent Option", {120, 1440, 7800, 1050}, 4, plain)));
    keepAwakeBox_ = &view_->addCheckBox(framed("Check4", "Prevent computer from sleeping or starting screensaver",
        {240, 300, 5295, 255}, 1, "Frame1", [this] { keepAwakeChanged(); }));
    hideHintBox_ = &view_->addCheckBox(framed(
        "Check1", "Hide 'Press ESC To Exit'", {240, 650, 5295, 255}, 2, "Frame1", [this] { hideHintChanged(); }));
    recoloured_.push_back(keepAwakeBox_);
    recoloured_.push_back(hideHintBox_);
    recoloured_.push_back(&view_->addFrame(frame("Frame3", "Startup Options", {120, 2550, 7800, 735}, 6, plain)));
    startAtLogInBox_ = &view_->addCheckBox(framed("Check3", "Load this software on Windows startup",
        {240, 300, 3930, 285}, 7, "Frame3", [this] { startAtLogInChanged(); }));
    recoloured_.push_back(startAtLogInBox_);
    view_->addPushButton(button(
        "PushButton4", "Change Color", 3400, 8, [this] { openColourWindow(); }, hand));
    view_->addPushButton(button(
        "PushButton5", "Reset Color To Defaults", 3910, 9, [this] { resetColours(); }, hand));
    view_->addPushButton(button("PushButton2", "Help", 4420, 10, [this] { showHelp(); }));
    everyMonitorBox_ = &view_->addCheckBox(framed("Check5", "Show the clock on every monitor", {240, 4920, 5295, 255},
        11, "", [this] { everyMonitorChanged(); }));
    recoloured_.push_back(everyMonitorBox_);
    recoloured_.push_back(
        &view_->addFrame(frame("Frame4", "Night and screen care", {120, 5280, 7800, 1080}, 12, plain)));
    nightDimBox_ = &view_->addCheckBox(framed(
        "Check6", "Dim the clock at night, from", {240, 300, 2790, 255}, 13, "Frame4", [this] { nightDimChanged(); }));
    recoloured_.push_back(nightDimBox_);
    nightFromBox_ = &view_->addTextBox(timeBox("Text1", {3075, 255, 780, 345}, 14, "Frame4",
        [this] { nightTimeEdited(*nightFromBox_, settings::kNightFrom, settings::kNightFromDefault); }));
    recoloured_.push_back(&view_->addLabel(
        {"Label1", "to", {3960, 330, 255, 255}, "Frame4", kWindowFont, kButtonText, kWhite, false, {}, plain}));
    nightToBox_ = &view_->addTextBox(timeBox("Text2", {4275, 255, 780, 345}, 15, "Frame4",
        [this] { nightTimeEdited(*nightToBox_, settings::kNightTo, settings::kNightToDefault); }));
    screenCareBox_
        = &view_->addCheckBox(framed("Check7", "Move the clock a few pixels every minute (protects OLED screens)",
            {240, 690, 7455, 255}, 16, "Frame4", [this] { screenCareChanged(); }));
    recoloured_.push_back(screenCareBox_);
    skin_ = &view_->addSkinFramework();
}

void OptionsWindow::load()
{
    const auto& store = p_.settings;
    ErrorTrap trap(p_.messageBoxes, "Form1.Form_Load");
    openedClockOnLoad_ = false;
    trap(100, [&] { applySkin(p_.files, *view_, *skin_, recoloured_); });
    trap(102, [&] { loading_ = true; });
    trap(104, [&] {
        const std::string cursor = p_.files.programFile(kCursorFile);
        if (fileExists(p_.files, cursor))
            view_->setMouseIcon(cursor);
    });
    trap(106, [&] { view_->setCaption(std::string(kProductName)); });
    trap(108, [&] { view_->setApplicationIcon(); });
    trap(110, [&] { host_.setAppTitle(appTitleFor(kProductName)); });
    trap(112, [&] {
        hideHintBox_->setValue(checkedCheckState(toInt16(store.get(settings::kHideHint, settings::kHideHintDefault))));
    });
    trap(114, [&] {
        keepAwakeBox_->setValue(
            checkedCheckState(toInt16(store.get(settings::kKeepAwake, settings::kKeepAwakeDefault))));
    });
    trap(116, [&] { keepRunningOnClose = false; });
    trap(118, [&] { listZones(); });
    trap(120, [&] {
        startAtLogInBox_->setValue(store.get(settings::kWindowsStartup, settings::kOff) == settings::kOn ? 1 : 0);
    });
    trap(122, [&] {
        if (startAtLogInBox_->value() == 1) {
            openedClockOnLoad_ = true;
            showClock();
        }
    });
    trap(124, [&] { loading_ = false; });
    trap(126, [&] {
        everyMonitorBox_->setValue(
            checkedCheckState(toInt16(store.get(settings::kEveryMonitor, settings::kEveryMonitorDefault))));
    });
    trap(128, [&] {
        nightDimBox_->setValue(checkedCheckState(toInt16(store.get(settings::kNightDim, settings::kNightDimDefault))));
    });
    trap(130, [&] { nightFromBox_->setText(storedNightTime(settings::kNightFrom, settings::kNightFromDefault)); });
    trap(132, [&] { nightToBox_->setText(storedNightTime(settings::kNightTo, settings::kNightToDefault)); });
    trap(134, [&] {
        screenCareBox_->setValue(
            checkedCheckState(toInt16(store.get(settings::kScreenCare, settings::kScreenCareDefault))));
    });
}

void OptionsWindow::endProgramUnlessKept()
{
    ErrorTrap trap(p_.messageBoxes, "Form1.Form_QueryUnload");
    trap(100, [&] {
        if (!keepRunningOnClose)
            p_.lifetime.endNow();
    });
}

void OptionsWindow::hideHintChanged() { p_.settings.write(settings::kHideHint, decimalText(hideHintBox_->value())); }

void OptionsWindow::keepAwakeChanged() { p_.settings.write(settings::kKeepAwake, decimalText(keepAwakeBox_->value())); }

void OptionsWindow::everyMonitorChanged()
{
    p_.settings.write(settings::kEveryMonitor, decimalText(everyMonitorBox_->value()));
}

void OptionsWindow::nightDimChanged() { p_.settings.write(settings::kNightDim, decimalText(nightDimBox_->value())); }

void OptionsWindow::screenCareChanged()
{
    p_.settings.write(settings::kScreenCare, decimalText(screenCareBox_->value()));
}

std::string OptionsWindow::storedNightTime(std::string_view key, std::string_view fallback) const
{
    const auto stored = parseClockTime(p_.settings.get(key, fallback));
    return stored ? clockTimeText(*stored) : std::string(fallback);
}

void OptionsWindow::nightTimeEdited(TextField& box, std::string_view key, std::string_view fallback)
{
    const std::string typed = box.text();
    if (const auto minutes = parseClockTime(typed)) {
        box.setText(clockTimeText(*minutes));
        p_.settings.write(key, box.text());
        return;
    }
    box.setText(storedNightTime(key, fallback));
    const std::string what = typed.empty() ? "No time was typed." : "\"" + typed + "\" is not a time of day.";
    p_.messageBoxes.show(
        what + " Type hours and minutes on a 24-hour clock, such as 22:00 or 06:30.", 48, host_.appTitle());
}

void OptionsWindow::startAtLogInChanged()
{
    // The load restores the box from the stored switch, and a failed entry
    // puts it back: nothing to store or register then.
    if (loading_ || restoringStartAtLogIn_)
        return;
    const bool on = startAtLogInBox_->value() == 1;
    const bool saved = p_.settings.write(settings::kWindowsStartup, on ? settings::kOn : settings::kOff).saved();
    // The entry follows the stored switch: with On unsaved, the next start
    // would show the box clear beside an entry that starts the program.
    const bool onUnsaved = on && !saved;
    if (onUnsaved) {
        restoreStartAtLogIn(0);
        p_.settings.write(settings::kWindowsStartup, settings::kOff);
    }
    ErrorTrap trap(p_.messageBoxes, "Form1.Check3_Click");
    const bool registered = trap(102, [&] {
        if (on && saved)
            AddToStartup(p_.logInStart, p_.files);
        else
            RemoveFromStartup(p_.logInStart, p_.files);
    });
    if (registered || onUnsaved)
        return;
    // The log-in entry is as it was; the box and the stored switch say so.
    restoreStartAtLogIn(on ? 0 : 1);
    p_.settings.write(settings::kWindowsStartup, on ? settings::kOff : settings::kOn);
}

void OptionsWindow::restoreStartAtLogIn(std::int16_t value)
{
    restoringStartAtLogIn_ = true;
    startAtLogInBox_->setValue(value);
    restoringStartAtLogIn_ = false;
}

void OptionsWindow::zoneChosen()
{
    const int position = zoneList_->listIndex();
    p_.settings.write(settings::kTimeZone, decimalText(position));
    if (position < 0)
        return;
    const auto& keys = host_.catalogue().TimeZoneKeyNames();
    if (const auto index = static_cast<std::size_t>(zoneList_->itemData(position)); index < keys.size())
        p_.settings.write(settings::kTimeZoneName, keys[index]);
}

void OptionsWindow::showClock()
{
    fillZoneList();
    ErrorTrap trap(p_.messageBoxes, "Form1.PushButton1_Click");
    trap(100, [&] { keepRunningOnClose = true; });
    trap(102, [&] {
        const std::string& zone = host_.catalogue().keyName(zoneList_->itemData(zoneList_->listIndex()));
        host_.clockWindow()->zoneKey = zone;
    });
    trap(104, [&] { host_.clockWindow()->load(); });
    trap(106, [&] { host_.clockWindow()->show(); });
    trap(108, [&] {
        if (loading_)
            view_->hide();
        else
            host_.unloadOptionsWindow();
    });
}

void OptionsWindow::showHelp()
{
    ErrorTrap trap(p_.messageBoxes, "Form1.PushButton2_Click");
    trap(100, [&] {
        p_.messageBoxes.show(std::string(kHelpText) + std::string(kSupportAddress) + ".", 0, host_.appTitle());
    });
}

void OptionsWindow::openColourWindow()
{
    ErrorTrap trap(p_.messageBoxes, "Form1.PushButton4_Click");
    trap(100, [&] { host_.colourWindow()->show(); });
    trap(102, [&] { view_->hide(); });
}

void OptionsWindow::resetColours()
{
    ErrorTrap trap(p_.messageBoxes, "Form1.PushButton5_Click");
    trap(100, [&] { p_.settings.write(settings::kClockColour, settings::kClockColourDefault); });
    trap(102, [&] { p_.settings.write(settings::kBackgroundColour, settings::kBackgroundColourDefault); });
}

} // namespace hv
