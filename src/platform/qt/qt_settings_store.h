#pragma once
// The settings store as an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Quellmark/Horavista.ini), one group for the options.
#include "platform/qt/settings_file.h"
#include "platform/settings_store.h"

#include <QSettings>

namespace hv::qt {

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    std::optional<std::string> read(std::string_view key) const override;
    // Written through at once: the program may end without another chance.
    // A value that cannot be saved is kept for the rest of the run, and the
    // next write tries again.
    WriteResult write(std::string_view key, std::string_view text) override;
    std::string location() const override { return fileName().toStdString(); }
    QString fileName() const { return settings_.fileName(); }

private:
    mutable QSettings settings_;
    // The last write could not be saved: its value lives only here.
    bool unsaved_ = false;
};

} // namespace hv::qt
