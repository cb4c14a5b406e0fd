#pragma once
// Opening keys and reading values whole, shared by the registry, the
// settings store and the time-zone catalogue.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace hv::win32 {

// A key open while this lives, closed also when a caller leaves early.
// With create, a missing key is made.
class OpenedKey {
public:
    OpenedKey(HKEY parent, const wchar_t* path, REGSAM access, bool create = false);
    ~OpenedKey();
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    long status() const { return status_; }
    // Null when the key did not open.
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
    long status_;
};

// REG_SZ and REG_EXPAND_SZ (left unexpanded): the types that hold a text.
inline bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// The value's type and bytes as Windows holds them; the registry's result
// code.
long readValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& bytes);

// A stored UTF-16 text in UTF-8. It may lack its NUL or hold several
// (Windows does not check REG_SZ data): it ends at the first.
std::string textOf(const std::vector<BYTE>& bytes);

// Stores a UTF-8 text as a UTF-16 text of this type with its NUL.
long writeText(HKEY key, const std::wstring& name, DWORD type, std::string_view text);

} // namespace hv::win32
