#pragma once
// The settings store as an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Quellmark/Horavista.ini), one group for the options.
#include "platform/settings_store.h"

#include <QSettings>

namespace hv::qt {

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    std::optional<std::string> read(std::string_view key) const override;
    // Written through at once: the program may end without another chance.
    void write(std::string_view key, std::string_view text) override;
    QString fileName() const { return settings_.fileName(); }

private:
    mutable QSettings settings_;
};

} // namespace hv::qt
