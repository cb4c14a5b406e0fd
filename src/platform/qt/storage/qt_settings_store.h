#pragma once
// The settings store as an INI file in the user's configuration folder
// ($XDG_CONFIG_HOME/Quellmark/Horavista.ini), one group for the options.
// The folder, file and group take the organisation and application names
// the program gave its application object before the store is made.
// Qt's settings only encode and decode it: the file is read and written
// here, only as a regular file, and no read or lock waits for long.
#include "platform/qt/storage/ini_codec.h"
#include "platform/qt/storage/settings_file.h"
#include "platform/qt/storage/user_folder.h"
#include "platform/settings_store.h"

namespace hv::qt {

class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    // Reads the file again when it changed on disk since the last look (a
    // stat call tells), so changes made by another instance or by hand are
    // seen at the next read. What is no regular file holds no values.
    std::optional<std::string> read(std::string_view key) const override;
    // Written through at once: the program may end without another chance.
    // A file Qt would read only in part is first kept as a copy beside it.
    // A value that cannot be saved is kept for the rest of the run, and the
    // next write tries again.
    WriteResult write(std::string_view key, std::string_view text) override;
    std::string location() const override { return file_.toStdString(); }
    void openBatch() const override { ++batches_; }
    void closeBatch() const override;
    QString fileName() const { return file_; }

private:
    // Brings the values up to the file as it is now.
    void follow() const;
    // Saves the unsaved values into the file as it is now. Why not, or
    // nothing when saved; where a damaged file went.
    QString save(std::string& damagedCopy);
    QString saveLocked(std::string& damagedCopy);

    UserFolder folder_;
    QString file_;
    mutable IniCodec codec_;
    mutable std::optional<FileStamp> seen_;
    // Open batches, and whether one of them has looked at the file yet.
    mutable int batches_ = 0;
    mutable bool lookedInBatch_ = false;
    mutable IniCodec::Values stored_;
    // Values written but not saved: they count over the file's own.
    QMap<QString, QString> unsaved_;
    // A lock found held is not waited for again until a save gets through.
    bool lockWasHeld_ = false;
};

} // namespace hv::qt
