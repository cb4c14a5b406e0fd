#pragma once
// The registry held in memory: keys by path under their root, each with
// values and sub-keys in the order they were added. A test can make a key
// refuse to open and make an enumeration fail at an index, and can see
// which keys were left open.
#include "platform/win32/storage/registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace hv::fakes {

class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type = reg::kString;
        std::vector<std::uint8_t> data;
    };
    struct Key {
        std::map<std::string, Value> values;
        std::vector<std::string> subKeys;
    };

    // Creates the key and every key above it.
    Key& key(RegKey root, const std::string& path)
    {
        std::string sofar;
        Key* k = nullptr;
        std::size_t start = 0;
        while (start <= path.size()) {
            const std::size_t end = std::min(path.find('\\', start), path.size());
            const std::string part = path.substr(start, end - start);
            if (!part.empty()) {
                Key& parent = keys_[id(root, sofar)];
                sofar += (sofar.empty() ? "" : "\\") + part;
                if (!keys_.count(id(root, sofar)))
                    parent.subKeys.push_back(part);
                k = &keys_[id(root, sofar)];
            }
            start = end + 1;
        }
        return k ? *k : keys_[id(root, "")];
    }
    void setString(RegKey root, const std::string& path, const std::string& name, const std::string& text)
    {
        Value v{reg::kString, std::vector<std::uint8_t>(text.begin(), text.end())};
        v.data.push_back(0);
        key(root, path).values[lower(name)] = v;
    }
    void setBinary(RegKey root, const std::string& path, const std::string& name, std::vector<std::uint8_t> data)
    {
        key(root, path).values[lower(name)] = {reg::kBinary, std::move(data)};
    }

    std::set<std::string> refuseOpen; // "root:path", lower case
    // As for a standard user: a key under HKEY_LOCAL_MACHINE asked for with
    // any right to change it (set value, create sub-key, create link,
    // delete, write the access list or the owner) is refused.
    bool standardUser = false;
    static constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;
    std::set<std::string> refuseWrite; // the same, for values
    std::map<std::uint32_t, long> enumErrorAt; // index -> result code
    std::set<RegKey> openHandles() const
    {
        std::set<RegKey> open;
        for (const auto& [h, path] : handles_)
            open.insert(h);
        return open;
    }
    int opens = 0;

    // A value's data, or nothing when there is no such value.
    std::optional<Value> value(RegKey root, const std::string& path, const std::string& name) const
    {
        auto k = keys_.find(id(root, path));
        if (k == keys_.end())
            return std::nullopt;
        auto v = k->second.values.find(lower(name));
        if (v == k->second.values.end())
            return std::nullopt;
        return v->second;
    }

    static std::string id(RegKey root, const std::string& path) { return std::to_string(root) + ':' + lower(path); }

    long openKey(RegKey root, std::string_view subKey, std::uint32_t, std::uint32_t access, RegKey& result) override
    {
        result = 0;
        ++opens;
        std::string base;
        if (auto it = handles_.find(root); it != handles_.end()) {
            base = it->second;
        } else {
            base = id(root, "");
        }
        std::string full = base;
        if (!subKey.empty())
            full += (full.back() == ':' ? "" : "\\") + lower(std::string(subKey));
        if (!keys_.count(full))
            return reg::kFileNotFound;
        if (refuseOpen.count(full)
            || (standardUser && (access & kWriteRights) && full.starts_with(id(reg::kHKeyLocalMachine, ""))))
            return reg::kAccessDenied;
        result = next_++;
        handles_[result] = full;
        return reg::kSuccess;
    }
    long enumKey(RegKey key, std::uint32_t index, std::span<char> name) override
    {
        if (auto e = enumErrorAt.find(index); e != enumErrorAt.end())
            return e->second;
        const Key* k = find(key);
        if (!k)
            return reg::kFileNotFound;
        if (index >= k->subKeys.size())
            return reg::kNoMoreItems;
        const std::string& n = k->subKeys[index];
        if (n.size() + 1 > name.size())
            return reg::kMoreData;
        std::memcpy(name.data(), n.c_str(), n.size() + 1);
        return reg::kSuccess;
    }
    long queryValue(RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data,
        std::uint32_t& size) override
    {
        const Key* k = find(key);
        if (!k)
            return reg::kFileNotFound;
        auto v = k->values.find(lower(std::string(valueName)));
        if (v == k->values.end())
            return reg::kFileNotFound;
        type = v->second.type;
        size = static_cast<std::uint32_t>(v->second.data.size());
        if (v->second.data.size() > data.size())
            return reg::kMoreData;
        std::copy(v->second.data.begin(), v->second.data.end(), data.begin());
        return reg::kSuccess;
    }
    long setValue(
        RegKey key, std::string_view valueName, std::uint32_t type, std::span<const std::uint8_t> data) override
    {
        auto h = handles_.find(key);
        if (h == handles_.end())
            return reg::kFileNotFound;
        if (refuseWrite.count(h->second))
            return reg::kAccessDenied;
        keys_[h->second].values[lower(std::string(valueName))] = {type, {data.begin(), data.end()}};
        return reg::kSuccess;
    }
    long deleteValue(RegKey key, std::string_view valueName) override
    {
        auto h = handles_.find(key);
        if (h == handles_.end())
            return reg::kFileNotFound;
        if (refuseWrite.count(h->second))
            return reg::kAccessDenied;
        return keys_[h->second].values.erase(lower(std::string(valueName))) ? reg::kSuccess : reg::kFileNotFound;
    }
    long closeKey(RegKey key) override { return handles_.erase(key) ? reg::kSuccess : reg::kFileNotFound; }

private:
    static std::string lower(std::string s)
    {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    }
    const Key* find(RegKey handle) const
    {
        auto h = handles_.find(handle);
        if (h == handles_.end())
            return nullptr;
        auto k = keys_.find(h->second);
        return k == keys_.end() ? nullptr : &k->second;
    }

    std::map<std::string, Key> keys_;
    std::map<RegKey, std::string> handles_;
    RegKey next_ = 0x1000;
};

} // namespace hv::fakes
