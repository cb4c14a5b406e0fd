#include "app/program.h"

#include "app/settings_keys.h"
#include "platform/runtime.h"

namespace hv {

void Program::start()
{
    setDontUnload(true);
    auto clock = clockWindow();
    clock->Form_Load();
    clock->show();
}

std::shared_ptr<Form2> Program::clockWindow()
{
    if (!form2_)
        form2_ = Form2::load(p_, *this);
    return form2_;
}

std::int16_t Program::optionBox(Box box)
{
    return box == Box::HideHint ? hideHintBox_ : keepAwakeBox_;
}

void Program::setOptionBox(Box box, std::int16_t value)
{
    std::int16_t& state = box == Box::HideHint ? hideHintBox_ : keepAwakeBox_;
    value = checkedCheckState(value);
    if (value == state)
        return;
    state = value;
    p_.settings.write(box == Box::HideHint ? settings::kHideHint : settings::kKeepAwake, decimalText(value));
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
    if (!form2_)
        p_.lifetime.quit();
}

} // namespace hv
