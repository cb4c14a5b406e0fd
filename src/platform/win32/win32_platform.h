#pragma once
// The Windows front-end's platform: every port of the core, built on the
// Win32 API, the registry and the system's own time-zone records.
#include "platform/platform.h"
#include "platform/win32/storage/win32_file_system.h"
#include "platform/win32/session/run_key.h"
#include "platform/win32/storage/win32_registry.h"
#include "platform/win32/windows/win32_dialogs.h"
#include "platform/win32/windows/win32_monitors.h"
#include "platform/win32/win32_lifetime.h"
#include "platform/win32/storage/win32_settings_store.h"
#include "platform/win32/session/win32_system_input.h"
#include "platform/win32/zones/win32_time_of_day.h"
#include "platform/win32/windows/win32_window.h"
#include "platform/win32/zones/win32_zone_catalogue.h"

#include <string>
#include <string_view>

namespace hv::win32 {

// Owns one of each; platform() hands them to the core.
class Win32Platform {
public:
    // The options are kept under the organisation's and application's
    // names, and windows without a caption show the application's.
    Win32Platform(std::string_view organisation, std::string_view application)
        : settings(Win32SettingsStore::keyPathFor(organisation, application))
        , windows(std::string(application))
    {
    }

    Platform platform()
    {
        return {settings, windows, messageBoxes, colourDialog, events, lifetime, timeOfDay, keepAwake, zones, files,
            logInStart, monitors};
    }

    Win32SettingsStore settings;
    Win32WindowFactory windows;
    Win32MessageBoxes messageBoxes;
    Win32ColourDialog colourDialog;
    Win32EventPump events;
    Win32Lifetime lifetime;
    Win32TimeOfDay timeOfDay;
    Win32KeepAwake keepAwake;
    Win32Registry registry;
    Win32ZoneCatalogue zones;
    Win32FileSystem files;
    RunKeyLogInStart logInStart{registry};
    Win32Monitors monitors;
};

} // namespace hv::win32
