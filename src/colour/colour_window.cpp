#include "colour/colour_window.h"

#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/window_rules.h"
#include "shared/settings_keys.h"

namespace hv {

void ColourWindow::build()
{
    // The pointer turns into the hand over the swatch and the button, and
    // back over the window and its frame.
    const std::function<void()> hand = [this] { applyPointerRule(*view_, MousePointer::Custom); };
    const std::function<void()> plain = [this] { applyPointerRule(*view_, MousePointer::Default); };
    WindowEvents events;
    events.onMouseMove = plain;
    events.onCloseRequest = [this] { host_.unloadColourWindow(); };
    createWindow(fixedWindow("Form3", {8040, 1665}, false, kButtonFace), std::move(events));

    // Below the client area, so never seen: first in the tab order, it
    // takes the focus, and no control the user sees shows a focus mark.
    view_->addTextBox({"Text1", "Text1", {840, 2160, 2655, 420}, kWindowFont, {}, 0, kWhite, {}, {}});
    frame_ = &view_->addFrame(
        {"Frame1", "Clock Color Option", {120, 30, 7800, 975}, kWindowFont, {}, 3, kButtonFace, {}, plain});
    LabelDesign swatch;
    swatch.name = "Label1";
    swatch.rect = {240, 300, 7260, 495};
    swatch.parent = "Frame1";
    swatch.font = kWindowFont;
    swatch.backColor = kButtonFace;
    swatch.onClick = [this] { pickColour(); };
    swatch.onMouseMove = hand;
    swatch_ = &view_->addLabel(swatch);
    view_->addPushButton({"PushButton1", "Close", {120, 1140, 7800, 405}, kButtonFont, {}, 2, kButtonFace,
        [this] { closeWindow(); }, hand});
}

void ColourWindow::load()
{
    ErrorTrap trap(p_.messageBoxes, "Form3.Form_Load");
    Control* const recoloured[] = {frame_, swatch_};
    trap(100, [&] { paintButtonFace(*view_, recoloured); });
    trap(102, [&] { view_->setApplicationIcon(); });
    trap(104, [&] { view_->setCaption(std::string(kProductName)); });
    bool cursorThere = false;
    const std::string cursor = p_.files.programFile(kCursorFile);
    trap(106, [&] { cursorThere = fileExists(p_.files, cursor); });
    trap(108, [&] {
        if (cursorThere)
            view_->setMouseIcon(cursor);
    });
    trap(110, [&] {
        const std::int32_t colour = toInt32(p_.settings.get(settings::kClockColour, settings::kClockColourDefault));
        swatch_->setBackColor(checkedColour(colour));
    });
}

void ColourWindow::pickColour()
{
    // A cancelled dialog hands back the colour it was given, which is then
    // stored again as it stands; the window's own face, which the swatch
    // keeps when the stored value was no colour, is not the user's and is
    // never stored.
    const Colour picked = p_.colourDialog.showColor(swatch_->backColor());
    if (isSystemColour(picked))
        return;
    swatch_->setBackColor(checkedColour(picked));
    p_.settings.write(settings::kClockColour, decimalText(picked));
}

void ColourWindow::closeWindow()
{
    ErrorTrap trap(p_.messageBoxes, "Form3.PushButton1_Click");
    trap(100, [&] { host_.unloadColourWindow(); });
}

void ColourWindow::returnToOptions() { host_.showOptionsWindow(); }

} // namespace hv
