#include "system/reg_stuff.h"

#include "platform/runtime.h"

#include <vector>

namespace hv {

namespace {

[[noreturn]] void raiseFor(long result)
{
    throw result == reg::kAccessDenied ? RuntimeError::permissionDenied() : RuntimeError::pathFileAccessError();
}

// A key opened for the wrappers, closed whatever happens after.
class OpenKey {
public:
    OpenKey(Registry& registry, RegKey root, std::string_view path) : registry_(registry)
    {
        result_ = registry.openKey(root, path, 0, reg::kKeyAccess, key_);
    }
    ~OpenKey()
    {
        if (opened())
            registry_.closeKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool opened() const { return result_ == reg::kSuccess; }
    long result() const { return result_; }
    RegKey key() const { return key_; }

private:
    Registry& registry_;
    RegKey key_ = 0;
    long result_;
};

} // namespace

void WriteRunEntry(Registry& registry, const std::string& valueName, const std::string& executablePath)
{
    SetKeyValue(registry, reg::kHKeyCurrentUser, kRunKey, valueName, '"' + executablePath + '"', reg::kString);
}

void DeleteRunEntry(Registry& registry, const std::string& valueName)
{
    DeleteValue(registry, reg::kHKeyCurrentUser, kRunKey, valueName);
}

void SetKeyValue(Registry& registry, RegKey root, std::string_view key, std::string_view valueName,
                 std::string_view value, std::uint32_t type)
{
    const OpenKey open(registry, root, key);
    if (!open.opened())
        raiseFor(open.result());
    if (const long result = SetValueEx(registry, open.key(), valueName, type, value); result != reg::kSuccess)
        raiseFor(result);
}

long SetValueEx(Registry& registry, RegKey key, std::string_view valueName, std::uint32_t type,
                std::string_view value)
{
    std::vector<std::uint8_t> data(value.begin(), value.end());
    data.push_back(0);
    return registry.setValue(key, valueName, type, data);
}

void DeleteValue(Registry& registry, RegKey root, std::string_view key, std::string_view valueName)
{
    const OpenKey open(registry, root, key);
    // Without the key there is no entry to delete.
    if (open.result() == reg::kFileNotFound)
        return;
    if (!open.opened())
        raiseFor(open.result());
    if (const long result = registry.deleteValue(open.key(), valueName);
        result != reg::kSuccess && result != reg::kFileNotFound)
        raiseFor(result);
}

} // namespace hv
