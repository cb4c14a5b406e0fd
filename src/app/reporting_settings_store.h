#pragma once
// The settings store as the windows use it: every write goes on to the
// platform's store, and what the user must know about it is said here, in
// one place. A write that cannot be saved is reported once a run (the
// rest would only repeat it); a damaged store that a write replaced is
// reported each time, naming the copy that keeps it.
#include "platform/services.h"
#include "platform/settings_store.h"

namespace hv {

class ReportingSettingsStore : public SettingsStore {
public:
    ReportingSettingsStore(SettingsStore& store, MessageBoxes& boxes)
        : store_(store)
        , boxes_(boxes)
    {
    }

    std::optional<std::string> read(std::string_view key) const override { return store_.read(key); }
    WriteResult write(std::string_view key, std::string_view text) override;
    std::string location() const override { return store_.location(); }
    void openBatch() const override { store_.openBatch(); }
    void closeBatch() const override { store_.closeBatch(); }

private:
    SettingsStore& store_;
    MessageBoxes& boxes_;
    bool failureReported_ = false;
};

} // namespace hv
