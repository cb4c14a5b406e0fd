#pragma once
// The Linux front-end's platform: every port of the core, built on Qt,
// the INI settings file, the local clock and X11.
#include "platform/platform.h"
#include "platform/qt/qt_file_system.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/x11_system_input.h"

#include <QMessageBox>

namespace hv::qt {

class QtMessageBoxes : public MessageBoxes {
public:
    int show(const std::string& text, int style, const std::string& title) override;
};

class QtEventPump : public EventPump {
public:
    void pumpEvents() override;
};

class QtLifetime : public ProgramLifetime {
public:
    void quit() override;
    [[noreturn]] void endNow() override;
};

class LocalTimeOfDay : public TimeOfDay {
public:
    double secondsSinceMidnight(std::string_view zoneKey) override;
};

// Placeholders until the catalogue is backed by the tz database.
class PendingRegistry : public Registry {
public:
    long openKey(RegKey, std::string_view, std::uint32_t, std::uint32_t, RegKey& r) override { r = 0; return reg::kFileNotFound; }
    long enumKey(RegKey, std::uint32_t, std::span<char>) override { return reg::kNoMoreItems; }
    long queryValue(RegKey, std::string_view, std::uint32_t&, std::span<std::uint8_t>, std::uint32_t&) override { return reg::kFileNotFound; }
    long closeKey(RegKey) override { return reg::kSuccess; }
};
class PendingSystemInfo : public SystemInfo {
public:
    int getVersionEx(OsVersionInfo&) override { return 0; }
    std::uint32_t getTimeZoneInformation(TimeZoneInformation&) override { return 0; }
    std::string currentZoneKeyName() override { return {}; }
};

// Owns one of each; platform() hands them to the core.
class QtPlatform {
public:
    Platform platform()
    {
        return {settings, windows, messageBoxes, events, lifetime, timeOfDay, input, registry, system, files};
    }

    QtSettingsStore settings;
    QtWindowFactory windows;
    QtMessageBoxes messageBoxes;
    QtEventPump events;
    QtLifetime lifetime;
    LocalTimeOfDay timeOfDay;
    X11SystemInput input;
    PendingRegistry registry;
    PendingSystemInfo system;
    QtFileSystem files;
};

// Message-box text as Qt shows it: carriage returns become line breaks.
QString messageText(const std::string& text);
// The icon of a message-box style (16 stop, 32 question, 48 exclamation,
// 64 information).
QMessageBox::Icon messageIcon(int style);
QString messageTitle(const std::string& title);

} // namespace hv::qt
