#pragma once
// What the registry's backends share: handing out key handles, comparing
// key paths, and returning a value the way RegQueryValueExA does.
#include "platform/registry.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hv::qt {

inline constexpr long kInvalidHandle = 6; // ERROR_INVALID_HANDLE
inline constexpr RegKey kFirstPredefinedKey = 0x80000000; // HKEY_CLASSES_ROOT

// Key paths compare without regard to case, as on Windows.
inline std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

inline std::vector<std::uint8_t> textBytes(std::string_view text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// The value's type and length always; its bytes only when data holds them.
inline long returnValue(std::uint32_t valueType, const std::vector<std::uint8_t>& bytes, std::uint32_t& type,
                        std::span<std::uint8_t> data, std::uint32_t& size)
{
    type = valueType;
    size = static_cast<std::uint32_t>(bytes.size());
    if (bytes.size() > data.size())
        return reg::kMoreData;
    std::copy(bytes.begin(), bytes.end(), data.begin());
    return reg::kSuccess;
}

// The open keys of one backend, by handle.
template <class Key>
class HandleTable {
public:
    RegKey add(Key key)
    {
        // The lowest free number, so handles stay small however long the
        // program runs.
        RegKey handle = 1;
        for (const auto& [used, open] : keys_) {
            if (used != handle)
                break;
            ++handle;
        }
        keys_.emplace(handle, std::move(key));
        return handle;
    }
    Key* find(RegKey handle)
    {
        const auto open = keys_.find(handle);
        return open == keys_.end() ? nullptr : &open->second;
    }
    bool remove(RegKey handle) { return keys_.erase(handle) > 0; }

private:
    std::map<RegKey, Key> keys_;
};

} // namespace hv::qt
