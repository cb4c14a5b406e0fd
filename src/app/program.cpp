#include "app/program.h"

#include "runtime/runtime.h"

namespace hv {

Program::Program(const Platform& platform)
    : boxes_(platform.messageBoxes)
    , settings_(platform.settings, boxes_)
    , p_{settings_, platform.windows, boxes_, platform.colourDialog, platform.events, platform.lifetime,
          platform.timeOfDay, platform.keepAwake, platform.zones, platform.files, platform.logInStart,
          platform.monitors}
    , catalogue_(p_.zones, p_.messageBoxes, p_.lifetime)
{
}

void Program::start()
{
    auto options = optionsWindow();
    if (!options->openedClockOnLoad())
        options->show();
}

void Program::startScreenSaver(std::uintptr_t host)
{
    clockMode_ = {true, host};
    clockWindow()->show();
}

template <typename Form>
std::shared_ptr<Form> Program::loaded(std::shared_ptr<Form>& slot)
{
    if (!slot) {
        // Named before its load runs: the options window's load may open
        // the clock, whose own load reaches back into the options window.
        auto loading = std::make_shared<Form>(p_, *this);
        slot = loading;
        loading->create();
    }
    return slot;
}

template <typename Form>
void Program::unload(std::shared_ptr<Form>& slot)
{
    if (!slot || slot->closing())
        return;
    // Kept alive until the handler that unloads it has returned.
    const auto closing = slot;
    closing->unload();
    if (slot == closing)
        slot.reset();
}

std::shared_ptr<OptionsWindow> Program::optionsWindow() { return loaded(options_); }
std::shared_ptr<ClockWindow> Program::clockWindow() { return loaded(clock_); }
std::shared_ptr<ColourWindow> Program::colourWindow() { return loaded(colour_); }

void Program::unloadOptionsWindow() { unload(options_); }
void Program::unloadClockWindow() { unload(clock_); }
void Program::unloadColourWindow() { unload(colour_); }

std::int16_t Program::optionBox(Box box)
{
    if (clockMode_.screenSaver)
        return saverBoxes_[static_cast<std::size_t>(box)];
    return optionsBox(box).value();
}

void Program::setOptionBox(Box box, std::int16_t value)
{
    if (clockMode_.screenSaver)
        saverBoxes_[static_cast<std::size_t>(box)] = checkedCheckState(value);
    else
        optionsBox(box).setValue(checkedCheckState(value));
}

CheckBox& Program::optionsBox(Box box)
{
    auto options = optionsWindow();
    if (box == Box::HideHint)
        return options->hideHintBox();
    if (box == Box::KeepAwake)
        return options->keepAwakeBox();
    return options->everyMonitorBox();
}

std::string Program::optionsMonitor() { return options_ ? options_->monitor() : std::string(); }

void Program::showOptionsWindow() { optionsWindow()->show(); }

void Program::setKeepRunningOnClose(bool keep) { optionsWindow()->keepRunningOnClose = keep; }

} // namespace hv
