#include "clock/clock_window.h"

#include "clock/fonts.h"
#include "clock/tick_phase.h"
#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/window_rules.h"
#include "shared/settings_keys.h"

namespace hv {

void ClockWindow::build()
{
    const WindowDesign design{.name = "Form2",
        .borderless = true,
        .maximized = true,
        .backColor = kBlack,
        .foreColor = kButtonText,
        .font = kNumeralFont};
    WindowEvents events;
    events.onResize = [this] { resized(); };
    events.onKeyDown = [this](std::int16_t& keyCode, std::int16_t shift) { keyDown(keyCode, shift); };
    events.onMouseMove = [this] { mouseMoved(); };
    events.onCloseRequest = [this] { host_.unloadClockWindow(); };
    createWindow(design, std::move(events));
    surface_.emplace(view_->canvas(), design.foreColor);

    LabelDesign hint;
    hint.name = "Label1";
    hint.caption = kHint;
    hint.rect = {120, 120, 4215, 495};
    hint.font = kHintFont;
    hint.foreColor = kWhite;
    hint.backColor = kBlack;
    hint.wordWrap = true;
    hint_ = &view_->addLabel(hint);
    tickTimer_ = &view_->addTimer({"Timer1", 1000, true, msToNextTick, [this] { tick(); }});
    keepAwakeTimer_ = &view_->addTimer({"Timer2", 59000, false, {}, [this] { keepAwakeTick(); }});
}

void ClockWindow::load()
{
    using Box = ClockHost::Box;
    const auto& store = p_.settings;
    ErrorTrap trap(p_.messageBoxes, "Form2.Form_Load");
    trap(100, [&] { view_->setApplicationIcon(); });
    trap(102, [&] {
        host_.setOptionBox(Box::HideHint, toInt16(store.get(settings::kHideHint, settings::kHideHintDefault)));
    });
    trap(104, [&] { hint_->setVisible(host_.optionBox(Box::HideHint) != 1); });
    trap(106, [&] {
        host_.setOptionBox(Box::KeepAwake, toInt16(store.get(settings::kKeepAwake, settings::kKeepAwakeDefault)));
    });
    trap(108, [&] {
        // The inhibition lives as long as the keep-awake timer runs: from
        // here until the window unloads.
        const bool keepAwake = host_.optionBox(Box::KeepAwake) == 1;
        keepAwakeTimer_->setEnabled(keepAwake);
        p_.keepAwake.hold(keepAwake);
    });
    trap(110, [&] {
        view_->setBackColor(
            checkedColour(toInt32(store.get(settings::kBackgroundColour, settings::kBackgroundColourDefault))));
    });
    trap(112, [&] { hint_->setBackColor(view_->backColor()); });
    trap(114, [&] { hideWord_.reset(); });
}

void ClockWindow::resized()
{
    try {
        fitDial();
    } catch (const RuntimeError&) {
        // A client area beyond the 16-bit range: frames show the background.
        geometry_ = ClockGeometry{};
    }
}

void ClockWindow::fitDial()
{
    Canvas& canvas = view_->canvas();
    surface_->cls(view_->backColor());
    geometry_ = geometryFor(canvas.width(), canvas.height());
    // Marks the centre until the first frame wipes it.
    surface_->pset(geometry_.centerX, geometry_.centerY);
}

void ClockWindow::keyDown(std::int16_t& keyCode, std::int16_t)
{
    ErrorTrap trap(p_.messageBoxes, "Form2.Form_KeyDown");
    bool complete = false;
    trap(100, [&] { complete = hideWord_.feed(keyCode); });
    if (keyCode == vk::kEscape) {
        trap(102, [&] { view_->hide(); });
        trap(104, [&] { host_.unloadClockWindow(); });
        trap(106, [&] { host_.showOptionsWindow(); });
        return;
    }
    if (complete)
        trap(108, [&] { collapseHint(); });
    if (HideWord::isLetterOfWord(keyCode))
        keyCode = 0;
}

void ClockWindow::collapseHint()
{
    if (hint_->width() != 0 && hint_->height() != 0 && !view_->iconic()) {
        hint_->setWidth(0);
        hint_->setHeight(0);
    }
}

void ClockWindow::mouseMoved() { applyPointerRule(*view_, MousePointer::Default); }

void ClockWindow::onUnload()
{
    returnToOptions();
    // Released last: the options window shown above may load afresh, and
    // with the start-up switch on its load runs this closing window's load
    // again, which holds the inhibition once more.
    p_.keepAwake.hold(false);
}

void ClockWindow::returnToOptions()
{
    host_.showOptionsWindow();
    host_.setKeepRunningOnClose(false);
    p_.events.pumpEvents();
    p_.events.pumpEvents();
}

void ClockWindow::tick()
{
    bool drawing = false;
    // A window that is closing tells nothing more, and a drawing error is
    // told once per opening.
    ErrorTrap trap(p_.messageBoxes, "Form2.Timer1_Timer", [&] { return !closing() && !(drawing && drawingReported_); });
    trap(100, [&] { p_.events.pumpEvents(); });
    if (closing())
        return;
    drawing = true;
    const bool drawn = trap(102, [&] {
        try {
            ClockPainter(*surface_, geometry_, p_.settings)
                .draw(p_.timeOfDay.secondsSinceMidnight(zoneKey), view_->backColor());
        } catch (...) {
            // Not half a clock: the background, also behind the report.
            surface_->cls(view_->backColor());
            throw;
        }
    });
    if (!drawn && trap.lastReported())
        drawingReported_ = true;
    drawing = false;
    trap(104, [&] {
        p_.events.pumpEvents();
        p_.events.pumpEvents();
    });
}

void ClockWindow::keepAwakeTick()
{
    KeepAwake& awake = p_.keepAwake;
    ErrorTrap trap(p_.messageBoxes, "Form2.Timer2_Timer", [this] { return !closing(); });
    trap(102, [&] { awake.pressKey(); });
    trap(106, [&] { awake.releaseKey(); });
    trap(108, [&] { p_.events.pumpEvents(); });
    trap(110, [&] { awake.resetIdle(); });
}

} // namespace hv
