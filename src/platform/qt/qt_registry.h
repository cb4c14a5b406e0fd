#pragma once
// The registry of this platform: the Run key from the autostart folder.
// Open keys get handles of this registry's own, and a key opened below an
// open one belongs to that one's backend.
#include "platform/qt/autostart_registry.h"
#include "platform/qt/registry_keys.h"

namespace hv::qt {

class QtRegistry : public Registry {
public:
    long openKey(RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access,
                 RegKey& result) override;
    long enumKey(RegKey key, std::uint32_t index, std::span<char> name) override;
    long queryValue(RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data,
                    std::uint32_t& size) override;
    long setValue(RegKey key, std::string_view valueName, std::uint32_t type,
                  std::span<const std::uint8_t> data) override;
    long deleteValue(RegKey key, std::string_view valueName) override;
    long closeKey(RegKey key) override;

    AutostartRegistry autostart;

private:
    struct BackendKey {
        Registry* backend;
        RegKey key;
    };
    HandleTable<BackendKey> handles_;
};

} // namespace hv::qt
