#pragma once
// The options as REG_SZ values of one key under HKEY_CURRENT_USER, read
// afresh at every look, so a change made in the registry editor counts.
#include "platform/settings_store.h"

#include <string>
#include <string_view>

namespace hv::win32 {

class Win32SettingsStore : public SettingsStore {
public:
    // The key a program keeps its options in: Software\organisation\application.
    static std::wstring keyPathFor(std::string_view organisation, std::string_view application);
    // The key under HKEY_CURRENT_USER; a test passes a key of its own.
    explicit Win32SettingsStore(std::wstring keyPath);

    // A text as it is, a REG_DWORD as its decimal number; a value of any
    // other type as a text that no option takes.
    std::optional<std::string> read(std::string_view key) const override;
    // Creates the key the first time; a failure comes back in the system's
    // words.
    WriteResult write(std::string_view key, std::string_view text) override;
    // "HKEY_CURRENT_USER\..." as the registry editor shows it.
    std::string location() const override;

private:
    std::wstring keyPath_;
};

} // namespace hv::win32
