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
    // Reads the file again when it changed on disk since the last look (a
    // stat call tells), so changes made by another instance or by hand are
    // seen at the next read. Qt itself tells versions apart by size and
    // millisecond: a change that keeps the size, made within the
    // millisecond of the one before, shows with the next change.
    std::optional<std::string> read(std::string_view key) const override;
    // Written through at once: the program may end without another chance.
    // A file Qt would read only in part is first kept as a copy beside it.
    // A value that cannot be saved is kept for the rest of the run, and the
    // next write tries again.
    WriteResult write(std::string_view key, std::string_view text) override;
    std::string location() const override { return fileName().toStdString(); }
    QString fileName() const { return settings_.fileName(); }

private:
    // Brings the values up to the file as it is now.
    void follow() const;

    mutable QSettings settings_;
    mutable std::optional<FileStamp> seen_;
    // The last write could not be saved: its value lives only here.
    bool unsaved_ = false;
};

} // namespace hv::qt
