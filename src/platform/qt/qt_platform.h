#pragma once
// The Linux front-end's platform: every port of the core, built on Qt,
// the INI settings file, the tz database, the autostart folder and X11.
#include "platform/platform.h"
#include "platform/qt/session/autostart_entry.h"
#include "platform/qt/storage/qt_file_system.h"
#include "platform/qt/storage/qt_settings_store.h"
#include "platform/qt/windows/qt_monitors.h"
#include "platform/qt/windows/qt_window.h"
#include "platform/qt/zones/tz_zone_catalogue.h"
#include "platform/qt/session/x11_system_input.h"
#include "platform/qt/zones/zone_time_of_day.h"

#include <QMessageBox>

namespace hv::qt {

class QtMessageBoxes : public MessageBoxes {
public:
    int show(const std::string& text, int style, const std::string& title) override;
};

class QtColourDialog : public ColourDialog {
public:
    Colour showColor(Colour colour) override;
};

class QtEventPump : public EventPump {
public:
    void pumpEvents() override;
};

class QtLifetime : public ProgramLifetime {
public:
    [[noreturn]] void endNow(int exitStatus) override;
};

// Owns one of each; platform() hands them to the core.
class QtPlatform {
public:
    Platform platform()
    {
        return {settings, windows, messageBoxes, colourDialog, events, lifetime, timeOfDay, keepAwake, zones, files,
            logInStart, monitors};
    }

    QtSettingsStore settings;
    QtWindowFactory windows;
    QtMessageBoxes messageBoxes;
    QtColourDialog colourDialog;
    QtEventPump events;
    QtLifetime lifetime;
    ZoneTimeOfDay timeOfDay;
    X11KeepAwake keepAwake;
    TzZoneCatalogue zones;
    QtFileSystem files;
    AutostartEntry logInStart;
    QtMonitors monitors;
};

// Message-box text as Qt shows it: carriage returns become line breaks.
QString messageText(const std::string& text);
// The icon of a message-box style (16 stop, 32 question, 48 exclamation,
// 64 information).
QMessageBox::Icon messageIcon(int style);
QString messageTitle(const std::string& title);

} // namespace hv::qt
