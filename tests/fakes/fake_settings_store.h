#pragma once
// The settings store of the core's tests: values in memory, with the
// failures a real store meets on demand.
#include "platform/settings_store.h"

#include <string>
#include <utility>

namespace hv::fakes {

class FakeSettingsStore : public MemorySettingsStore {
public:
    static constexpr std::string_view kFile = "/home/ada/.config/Quellmark/Horavista.ini";

    // While refusal is set, writes fail with it as their reason; the value
    // is kept for the run all the same, as the real store keeps it.
    std::string refusal;
    // The next saved write reports that it replaced a damaged store kept
    // under this name.
    std::string damagedCopy;

    WriteResult write(std::string_view key, std::string_view text) override
    {
        MemorySettingsStore::write(key, text);
        if (!refusal.empty())
            return {refusal, {}};
        return {{}, std::exchange(damagedCopy, {})};
    }
    std::string location() const override { return std::string(kFile); }
};

} // namespace hv::fakes
