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
    // How a write went.
    struct WriteResult {
        // Empty when the value is saved; otherwise why it is not ("Permission
        // denied"), and the store keeps it only for this run, if at all.
        std::string failure;
        // Set when this write replaced a store the platform found damaged
        // (lines it could not read): where the damaged one is kept as it was.
        std::string damagedCopy;

        bool saved() const { return failure.empty(); }
    };

    virtual ~SettingsStore() = default;
    // The value as it is stored now, changes made outside the program
    // included.
    virtual std::optional<std::string> read(std::string_view key) const = 0;
    virtual WriteResult write(std::string_view key, std::string_view text) = 0;
    // Where the values are kept, as the user would look for them (a file's
    // path); empty when they are kept nowhere the user can see.
    virtual std::string location() const = 0;

    // The stored text, or the default when the key is absent.
    std::string get(std::string_view key, std::string_view fallback) const
    {
        auto value = read(key);
        return value ? *value : std::string(fallback);
    }

    // The reads of one frame, which see one version of the values: while a
    // batch is open the store looks for changes made outside the program
    // at its first read only, and again after a write. Batches may nest.
    class Batch {
    public:
        explicit Batch(const SettingsStore& store)
            : store_(store)
        {
            store_.openBatch();
        }
        ~Batch() { store_.closeBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        const SettingsStore& store_;
    };
    // What Batch calls; a store that looks at nothing outside ignores them.
    virtual void openBatch() const {}
    virtual void closeBatch() const {}
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
    WriteResult write(std::string_view key, std::string_view text) override
    {
        values_[std::string(key)] = std::string(text);
        ++writes_;
        return {};
    }
    std::string location() const override { return {}; }
    const std::map<std::string, std::string>& values() const { return values_; }
    int writeCount() const { return writes_; }

private:
    std::map<std::string, std::string> values_;
    int writes_ = 0;
};

} // namespace hv
