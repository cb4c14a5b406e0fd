#pragma once
// Everything the core needs from outside, handed to it as one bundle.
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/window.h"

namespace hv {

struct Platform {
    SettingsStore& settings;
    WindowFactory& windows;
    MessageBoxes& messageBoxes;
    EventPump& events;
    ProgramLifetime& lifetime;
    TimeOfDay& timeOfDay;
    SystemInput& input;
};

} // namespace hv
