// The options as REG_SZ values under HKEY_CURRENT_USER.
#include "runtime/runtime.h"
#include "platform/win32/storage/win32_settings_store.h"
#include "scratch_key.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

using testing::ScratchKey;
using testing::storedText;

TEST(SettingsStoreTest, TheProgramsKeyIsItsOwnUnderTheCurrentUser)
{
    EXPECT_EQ(Win32SettingsStore(Win32SettingsStore::keyPathFor("Quellmark", "Horavista")).location(),
        "HKEY_CURRENT_USER\\Software\\Quellmark\\Horavista");
}

TEST(SettingsStoreTest, ValuesRoundTripAsTextsAndTheFirstWriteMakesTheKey)
{
    const ScratchKey scratch(L"Software\\Horavista tests\\settings");
    Win32SettingsStore store(scratch.path());
    EXPECT_EQ(store.location(), "HKEY_CURRENT_USER\\Software\\Horavista tests\\settings");
    EXPECT_EQ(store.read("Check4"), std::nullopt) << "no key yet";

    EXPECT_TRUE(store.write("Check4", "1").saved());
    EXPECT_TRUE(store.write("Clock Color", "16777215").saved());
    EXPECT_TRUE(store.write("Time Zone", "\xE6\x9D\xB1\xE4\xBA\xAC Standard Time").saved());
    EXPECT_TRUE(store.write("Empty", "").saved());

    EXPECT_EQ(store.read("Check4"), "1");
    EXPECT_EQ(store.read("Clock Color"), "16777215");
    EXPECT_EQ(store.read("Time Zone"), "\xE6\x9D\xB1\xE4\xBA\xAC Standard Time");
    EXPECT_EQ(store.read("Empty"), "");
    EXPECT_EQ(store.read("Check1"), std::nullopt);
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, scratch.path(), L"Time Zone"), L"\x6771\x4EAC Standard Time");
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, scratch.path(), L"Clock Color"), L"16777215");
}

// What a user changes in the registry editor counts at the next read: a
// text, a number typed as a DWORD, a value deleted.
TEST(SettingsStoreTest, ReadsSeeChangesMadeOutsideTheProgram)
{
    const ScratchKey scratch(L"Software\\Horavista tests\\settings");
    Win32SettingsStore store(scratch.path());
    ASSERT_TRUE(store.write("Check1", "0").saved());
    ASSERT_TRUE(store.write("Combo1", "3").saved());
    ASSERT_EQ(store.read("Check1"), "0");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, scratch.path().c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegSetValueExW(key, L"Check1", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1"), 2 * sizeof(wchar_t));
    const DWORD number = 42;
    RegSetValueExW(key, L"Background Color", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegDeleteValueW(key, L"Combo1");
    RegCloseKey(key);

    EXPECT_EQ(store.read("Check1"), "1");
    EXPECT_EQ(store.read("Background Color"), "42");
    EXPECT_EQ(store.read("Combo1"), std::nullopt);
}

// A colour stored in the registry editor as binary data or as several
// strings is no colour: it must reach the reader as a wrong value, not as
// no value at all.
TEST(SettingsStoreTest, ValuesOfOtherTypesReadAsNoNumber)
{
    const ScratchKey scratch(L"Software\\Horavista tests\\settings");
    Win32SettingsStore store(scratch.path());
    ASSERT_TRUE(store.write("Check1", "0").saved());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, scratch.path().c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    const BYTE binary[] = {0xFF, 0xFF, 0xFF, 0x00};
    RegSetValueExW(key, L"Clock Color", 0, REG_BINARY, binary, sizeof binary);
    const wchar_t strings[] = L"255\0\0";
    RegSetValueExW(key, L"Background Color", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(strings), sizeof strings);
    RegCloseKey(key);

    for (const char* name : {"Clock Color", "Background Color"}) {
        const std::optional<std::string> text = store.read(name);
        ASSERT_TRUE(text) << name;
        EXPECT_THROW(toInt32(*text), RuntimeError) << name << ": " << *text;
    }
}

// Windows keeps no lasting key below a volatile one: the write fails, and
// says why in the system's words.
TEST(SettingsStoreTest, AFailedWriteSaysWhyAndStoresNothing)
{
    const ScratchKey scratch(L"Software\\Horavista tests\\volatile");
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch.path().c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                  KEY_ALL_ACCESS, nullptr, &parent, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(parent);
    Win32SettingsStore store(scratch.path() + L"\\settings");

    const SettingsStore::WriteResult result = store.write("Check4", "0");
    EXPECT_FALSE(result.saved());
    EXPECT_NE(result.failure.find("volatile"), std::string::npos) << result.failure;
    EXPECT_EQ(store.read("Check4"), std::nullopt);
}

} // namespace
} // namespace hv::win32
