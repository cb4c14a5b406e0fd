#pragma once
// Everything the core needs from outside, handed to it as one bundle.
#include "platform/file_system.h"
#include "platform/keep_awake.h"
#include "platform/log_in_start.h"
#include "platform/monitors.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/zone_catalogue.h"
#include "platform/window.h"

namespace hv {

struct Platform {
    SettingsStore& settings;
    WindowFactory& windows;
    MessageBoxes& messageBoxes;
    ColourDialog& colourDialog;
    EventPump& events;
    ProgramLifetime& lifetime;
    TimeOfDay& timeOfDay;
    KeepAwake& keepAwake;
    ZoneCatalogue& zones;
    FileSystem& files;
    LogInStart& logInStart;
    Monitors& monitors;
};

} // namespace hv
