#include "platform/qt/qt_registry.h"

namespace hv::qt {

long QtRegistry::openKey(RegKey root, std::string_view subKey, std::uint32_t options, std::uint32_t access,
                         RegKey& result)
{
    result = 0;
    const BackendKey* open = handles_.find(root);
    if (!open && root < kFirstPredefinedKey)
        return kInvalidHandle;
    Registry* backend = open ? open->backend : &autostart;
    RegKey opened = 0;
    const long status = backend->openKey(open ? open->key : root, subKey, options, access, opened);
    if (status == reg::kSuccess)
        result = handles_.add({backend, opened});
    return status;
}

long QtRegistry::enumKey(RegKey key, std::uint32_t index, std::span<char> name)
{
    const BackendKey* open = handles_.find(key);
    return open ? open->backend->enumKey(open->key, index, name) : kInvalidHandle;
}

long QtRegistry::queryValue(RegKey key, std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> data,
                            std::uint32_t& size)
{
    const BackendKey* open = handles_.find(key);
    return open ? open->backend->queryValue(open->key, valueName, type, data, size) : kInvalidHandle;
}

long QtRegistry::setValue(RegKey key, std::string_view valueName, std::uint32_t type,
                          std::span<const std::uint8_t> data)
{
    const BackendKey* open = handles_.find(key);
    return open ? open->backend->setValue(open->key, valueName, type, data) : kInvalidHandle;
}

long QtRegistry::deleteValue(RegKey key, std::string_view valueName)
{
    const BackendKey* open = handles_.find(key);
    return open ? open->backend->deleteValue(open->key, valueName) : kInvalidHandle;
}

long QtRegistry::closeKey(RegKey key)
{
    const BackendKey* open = handles_.find(key);
    if (!open)
        return kInvalidHandle;
    const long status = open->backend->closeKey(open->key);
    handles_.remove(key);
    return status;
}

} // namespace hv::qt
