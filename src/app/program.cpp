#include "app/program.h"

#include "platform/runtime.h"

#include <utility>

namespace hv {

Program::Program(const Platform& platform)
    : boxes_(platform.messageBoxes), settings_(platform.settings, boxes_),
      p_{settings_,          platform.windows, boxes_,            platform.colourDialog,
         platform.events,    platform.lifetime, platform.timeOfDay, platform.input,
         platform.registry,  platform.system,   platform.files},
      catalogue_(p_.registry, p_.system, p_.messageBoxes, p_.lifetime)
{
}

void Program::start()
{
    auto options = optionsWindow();
    if (!options->openedClockOnLoad())
        options->show();
}

std::shared_ptr<Form1> Program::optionsWindow()
{
    if (!form1_) {
        // Named before its load runs: the load may open the clock, whose
        // own load reaches back into this window.
        auto loading = Form1::create(p_, *this);
        form1_ = loading;
        loading->Form_Load();
    }
    return form1_;
}

std::shared_ptr<Form2> Program::clockWindow()
{
    if (!form2_)
        form2_ = Form2::load(p_, *this);
    return form2_;
}

std::shared_ptr<Form3> Program::colourWindow()
{
    if (!form3_) {
        form3_ = Form3::create(p_, *this);
        form3_->Form_Load();
    }
    return form3_;
}

void Program::unloadOptionsWindow()
{
    if (!form1_)
        return;
    // Kept alive until the handler that unloads it has returned.
    auto closing = form1_;
    closing->Form_QueryUnload();
    closing->markUnloaded();
    if (form1_ == closing)
        form1_.reset();
}

std::int16_t Program::optionBox(Box box)
{
    auto options = optionsWindow();
    return (box == Box::HideHint ? options->hideHintBox() : options->keepAwakeBox()).value();
}

void Program::setOptionBox(Box box, std::int16_t value)
{
    auto options = optionsWindow();
    (box == Box::HideHint ? options->hideHintBox() : options->keepAwakeBox()).setValue(checkedCheckState(value));
}

void Program::showOptionsWindow()
{
    optionsWindow()->show();
}

void Program::setDontUnload(bool dontUnload)
{
    optionsWindow()->mDontUnload = dontUnload;
}

void Program::unloadClockWindow()
{
    if (!form2_ || form2_->closing())
        return;
    // Kept alive here: the close handling lets events run, and the window
    // may be asked to close again meanwhile.
    auto closing = form2_;
    closing->beginClosing();
    closing->Form_QueryUnload();
    closing->markUnloaded();
    if (form2_ == closing)
        form2_.reset();
}

void Program::unloadColourWindow()
{
    if (!form3_)
        return;
    // Kept alive until the handler that unloads it has returned.
    auto closing = std::exchange(form3_, nullptr);
    closing->Form_Unload();
    closing->markUnloaded();
}

} // namespace hv
