#pragma once
// The per-user settings store: text values under one application and one
// section, one value per key. Nothing is ever deleted from it.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace hv {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    virtual void write(std::string_view key, std::string_view text) = 0;

    // The stored text, or the default when the key is absent.
    std::string get(std::string_view key, std::string_view fallback) const
    {
        auto value = read(key);
        return value ? *value : std::string(fallback);
    }
};

// A store held in memory: the tests' store, and the render tool's when it
// is told the colours on its command line.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view key) const override
    {
        auto it = values_.find(std::string(key));
        if (it == values_.end())
            return std::nullopt;
        return it->second;
    }
    void write(std::string_view key, std::string_view text) override
    {
        values_[std::string(key)] = std::string(text);
        ++writes_;
    }
    const std::map<std::string, std::string>& values() const { return values_; }
    int writeCount() const { return writes_; }

private:
    std::map<std::string, std::string> values_;
    int writes_ = 0;
};

} // namespace hv
