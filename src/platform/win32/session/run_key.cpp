#include "platform/win32/session/run_key.h"

#include "runtime/runtime.h"
#include "system/start_up.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace hv::win32 {

namespace {

[[noreturn]] void raiseFor(long result)
{
    throw result == reg::kAccessDenied ? RuntimeError::permissionDenied() : RuntimeError::pathFileAccessError();
}

// A key opened for the calls below, closed whatever happens after.
class OpenKey {
public:
    OpenKey(Registry& registry, RegKey root, std::uint32_t access)
        : registry_(registry)
    {
        result_ = registry.openKey(root, kRunKey, 0, access, key_);
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

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

// Whether a Run value's command line starts this executable: its path in
// double quotes, or bare and followed by nothing or by arguments. Windows
// paths ignore case.
bool startsExecutable(std::string_view command, std::string_view executablePath)
{
    command.remove_prefix(std::min(command.find_first_not_of(' '), command.size()));
    if (command.starts_with('"')) {
        command.remove_prefix(1);
        const std::size_t close = command.find('"');
        return close != std::string_view::npos && sameIgnoringCase(command.substr(0, close), executablePath);
    }
    const std::string_view program = command.substr(0, executablePath.size());
    return sameIgnoringCase(program, executablePath)
        && (command.size() == program.size() || command[program.size()] == ' ');
}

// The value as text; empty when it is missing or holds no text.
std::string queryText(Registry& registry, RegKey key, std::string_view valueName)
{
    std::vector<std::uint8_t> data(260);
    std::uint32_t type = 0, size = 0;
    long result = registry.queryValue(key, valueName, type, data, size);
    if (result == reg::kMoreData) {
        data.resize(size);
        result = registry.queryValue(key, valueName, type, data, size);
    }
    if (result != reg::kSuccess || (type != reg::kString && type != reg::kExpandString))
        return {};
    const auto* text = reinterpret_cast<const char*>(data.data());
    return std::string(text, std::find(text, text + std::min<std::size_t>(size, data.size()), '\0'));
}

void deleteValue(Registry& registry, RegKey root, std::string_view valueName, std::uint32_t access)
{
    const OpenKey open(registry, root, access);
    // Without the key there is no entry to delete.
    if (open.result() == reg::kFileNotFound)
        return;
    if (!open.opened())
        raiseFor(open.result());
    if (const long result = registry.deleteValue(open.key(), valueName);
        result != reg::kSuccess && result != reg::kFileNotFound)
        raiseFor(result);
}

} // namespace

void RunKeyLogInStart::enable(const std::string& programPath)
{
    const OpenKey open(registry_, reg::kHKeyCurrentUser, reg::kKeyAccess);
    if (!open.opened())
        raiseFor(open.result());
    const std::string command = StartUpCommand(programPath);
    std::vector<std::uint8_t> data(command.begin(), command.end());
    data.push_back(0);
    if (const long result = registry_.setValue(open.key(), StartUpEntryName(programPath), reg::kString, data);
        result != reg::kSuccess)
        raiseFor(result);
}

void RunKeyLogInStart::disable(const std::string& programPath)
{
    const std::string name = StartUpEntryName(programPath);
    // The machine-wide entry first: when it cannot go, the user's stays
    // too, and the box that says the program starts at log-in is right.
    // Windows starts what either view of the key holds, and a 32-bit
    // program's entry lands in the 32-bit one.
    for (const std::uint32_t view : {std::uint32_t{0}, reg::kWow64_32Key}) {
        std::string command;
        {
            // Reading the machine-wide key needs no administrator.
            const OpenKey open(registry_, reg::kHKeyLocalMachine, reg::kKeyRead | view);
            if (!open.opened())
                continue;
            command = queryText(registry_, open.key(), name);
        }
        if (startsExecutable(command, programPath))
            deleteValue(registry_, reg::kHKeyLocalMachine, name, reg::kKeyAccess | view);
    }
    deleteValue(registry_, reg::kHKeyCurrentUser, name, reg::kKeyAccess);
}

} // namespace hv::win32
