// The registry through the wide calls: texts in UTF-8 on the program's
// side, other values as they are; and the zone catalogue read from it.
#include "fakes/fake_services.h"
#include "platform/win32/storage/win32_registry.h"
#include "platform/win32/zones/win32_zone_catalogue.h"
#include "scratch_key.h"
#include "tz/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>
#include <string>
#include <vector>

namespace hv::win32 {
namespace {

using testing::ScratchKey;
using testing::storedText;

// A zone name in no ANSI code page's reach, and a character beyond the BMP.
const std::string kTokyo = "\xE6\x9D\xB1\xE4\xBA\xAC Standard Time \xF0\x9F\x95\x90";
const std::wstring kTokyoWide = L"\x6771\x4EAC Standard Time \xD83D\xDD50";

std::span<const std::uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch.path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &created, nullptr),
            ERROR_SUCCESS);
        RegCloseKey(created);
        ASSERT_EQ(
            registry.openKey(reg::kHKeyCurrentUser, "Software\\Horavista tests\\registry", 0, reg::kKeyAccess, key),
            reg::kSuccess);
    }
    void TearDown() override { registry.closeKey(key); }

    ScratchKey scratch{L"Software\\Horavista tests\\registry"};
    Win32Registry registry;
    RegKey key = 0;
};

TEST_F(RegistryTest, TextsCrossAsUtf8WithTheirNulAndAreStoredAsUtf16)
{
    const std::string text = kTokyo + '\0';
    ASSERT_EQ(registry.setValue(key, kTokyo, reg::kString, bytesOf(text)), reg::kSuccess);
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, scratch.path(), kTokyoWide), kTokyoWide);

    std::vector<std::uint8_t> data(64, 0xAB);
    std::uint32_t type = 0, size = 0;
    ASSERT_EQ(registry.queryValue(key, kTokyo, type, data, size), reg::kSuccess);
    EXPECT_EQ(type, reg::kString);
    EXPECT_EQ(size, text.size()) << "sizes count UTF-8 bytes, the NUL included";
    EXPECT_EQ(std::string(data.begin(), data.begin() + size), text);

    // One byte short: nothing is written and the size needed comes back.
    std::vector<std::uint8_t> tooSmall(text.size() - 1, 0xAB);
    ASSERT_EQ(registry.queryValue(key, kTokyo, type, tooSmall, size), reg::kMoreData);
    EXPECT_EQ(size, text.size());
    EXPECT_TRUE(std::all_of(tooSmall.begin(), tooSmall.end(), [](std::uint8_t b) { return b == 0xAB; }));

    // Data without its NUL is stored with one; a text written by another
    // program without a NUL reads with one.
    ASSERT_EQ(registry.setValue(key, "bare", reg::kString, bytesOf("abc")), reg::kSuccess);
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, scratch.path(), L"bare"), L"abc");
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, scratch.path().c_str(), 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
    RegSetValueExW(raw, L"unended", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"xy"), 2 * sizeof(wchar_t));
    RegCloseKey(raw);
    ASSERT_EQ(registry.queryValue(key, "unended", type, data, size), reg::kSuccess);
    EXPECT_EQ(std::string(data.begin(), data.begin() + size), std::string("xy", 3));
}

TEST_F(RegistryTest, OtherValuesPassAsTheyAre)
{
    std::vector<std::uint8_t> tzi(44);
    for (std::size_t i = 0; i < tzi.size(); ++i)
        tzi[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_EQ(registry.setValue(key, "TZI", reg::kBinary, tzi), reg::kSuccess);

    std::vector<std::uint8_t> data(60, 0);
    std::uint32_t type = reg::kString, size = 0;
    ASSERT_EQ(registry.queryValue(key, "TZI", type, data, size), reg::kSuccess);
    EXPECT_EQ(type, reg::kBinary);
    EXPECT_EQ(size, 44u);
    EXPECT_TRUE(std::equal(tzi.begin(), tzi.end(), data.begin()));

    EXPECT_EQ(registry.queryValue(key, "absent", type, data, size), reg::kFileNotFound);
    EXPECT_EQ(registry.deleteValue(key, "TZI"), reg::kSuccess);
    EXPECT_EQ(registry.deleteValue(key, "TZI"), reg::kFileNotFound);
}

TEST_F(RegistryTest, SubKeysEnumerateAndOpenByTheirUtf8Names)
{
    for (const std::wstring& name : {kTokyoWide, std::wstring(L"India Standard Time")}) {
        HKEY sub = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, (scratch.path() + L"\\" + name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
            nullptr, &sub, nullptr);
        RegCloseKey(sub);
    }
    std::set<std::string> names;
    std::vector<char> name(256);
    std::uint32_t index = 0;
    for (; registry.enumKey(key, index, name) == reg::kSuccess; ++index)
        names.insert(name.data());
    EXPECT_EQ(names, (std::set<std::string>{kTokyo, "India Standard Time"}));
    EXPECT_EQ(registry.enumKey(key, index, name), reg::kNoMoreItems);
    std::vector<char> tooSmall(5);
    EXPECT_EQ(registry.enumKey(key, 0, tooSmall), reg::kMoreData);

    RegKey zone = 0;
    ASSERT_EQ(registry.openKey(key, kTokyo, 0, reg::kKeyRead, zone), reg::kSuccess);
    EXPECT_NE(zone, 0u);
    EXPECT_EQ(registry.closeKey(zone), reg::kSuccess);
    EXPECT_EQ(registry.openKey(key, "No such zone", 0, reg::kKeyRead, zone), reg::kFileNotFound);
    EXPECT_EQ(zone, 0u);
}

// The catalogue read as the program reads it.
struct RegistryCatalogueTest : ::testing::Test {
    // A catalogue of the test's own: HKEY_LOCAL_MACHINE stands for a
    // scratch key while it is read.
    void readOwnCatalogue()
    {
        HKEY root = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, machine.path().c_str(), 0, KEY_READ, &root), ERROR_SUCCESS);
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, root), ERROR_SUCCESS);
        catalogue.LoadTimeZones();
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(root);
    }
    // A zone of that catalogue, with a "Display" text and the TZI bytes
    // given, none when there are none.
    void addZone(
        const std::wstring& name, const std::wstring& display, const std::vector<BYTE>& tzi, DWORD tziType = REG_BINARY)
    {
        const std::wstring path
            = machine.path() + L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\" + name;
        HKEY zone = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &zone, nullptr),
            ERROR_SUCCESS);
        RegSetValueExW(zone, L"Display", 0, REG_SZ, reinterpret_cast<const BYTE*>(display.c_str()),
            static_cast<DWORD>((display.size() + 1) * sizeof(wchar_t)));
        if (!tzi.empty())
            RegSetValueExW(zone, L"TZI", 0, tziType, tzi.data(), static_cast<DWORD>(tzi.size()));
        RegCloseKey(zone);
    }

    fakes::Log log;
    fakes::FakeMessageBoxes boxes{log};
    fakes::FakeLifetime lifetime{log};
    Win32ZoneCatalogue zones;
    TimeZoneCatalogue catalogue{zones, boxes, lifetime};
    ScratchKey machine{L"Software\\Horavista tests\\machine"};
};

std::vector<BYTE> tziBytes(LONG bias, LONG standardBias = 0, LONG daylightBias = 0, std::size_t length = 44)
{
    std::vector<BYTE> tzi(44, 0);
    for (const auto& [at, value] : {std::pair{0, bias}, std::pair{4, standardBias}, std::pair{8, daylightBias}})
        std::memcpy(tzi.data() + at, &value, sizeof value);
    tzi.resize(length, 0xEE);
    return tzi;
}

// Wine's own catalogue, every key opened for reading only.
TEST_F(RegistryCatalogueTest, TheSystemsZonesReadWithTheirBiasesAndDisplays)
{
    catalogue.LoadTimeZones();

    EXPECT_TRUE(boxes.shown.empty());
    const std::vector<std::string>& keys = catalogue.TimeZoneKeyNames();
    EXPECT_GT(keys.size(), 100u);
    const auto india = std::find(keys.begin(), keys.end(), "India Standard Time");
    ASSERT_NE(india, keys.end());
    const TimeZoneEntry& entry = catalogue.entry(static_cast<std::int32_t>(india - keys.begin()));
    EXPECT_EQ(entry.bias, -330);
    EXPECT_EQ(entry.Display, "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi");
}

// A zone whose names no ANSI code page holds.
TEST_F(RegistryCatalogueTest, ZoneNamesOutsideTheCodePageComeThroughWhole)
{
    addZone(kTokyoWide, L"(UTC+9:00) \x6771\x4EAC, \x5927\x962A", tziBytes(-540));
    readOwnCatalogue();

    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(catalogue.TimeZoneKeyNames(), std::vector<std::string>{kTokyo});
    EXPECT_EQ(catalogue.entry(0).Display, "(UTC+09:00) \xE6\x9D\xB1\xE4\xBA\xAC, \xE5\xA4\xA7\xE9\x98\xAA");
    EXPECT_EQ(catalogue.entry(0).bias, -540);
}

// Rules that are missing, cut short or overlong, typed as text, or that put
// a zone a day or more from UTC would show another time or none: the zone
// is left out, said on stderr, and the zones after it are read.
TEST_F(RegistryCatalogueTest, AZoneWithoutSoundRulesIsLeftOutAndSaidOnStderr)
{
    const struct {
        std::vector<BYTE> tzi;
        DWORD type = REG_BINARY;
    } damaged[] = {
        {{}},
        {tziBytes(-330, 0, 0, 10)},
        {tziBytes(-330, 0, 0, 43)},
        {tziBytes(-330, 0, 0, 45)},
        {tziBytes(-330, 0, 0, 61)},
        {tziBytes(0x7FFFFFFF)},
        {tziBytes(-1440)},
        {tziBytes(-840, 0, -600)},
        {tziBytes(0, 0x7FFFFFFF)},
        {tziBytes(-330), REG_SZ},
    };
    for (const auto& d : damaged) {
        RegDeleteTreeW(HKEY_CURRENT_USER, machine.path().c_str());
        addZone(L"Damaged", L"(UTC+05:30) Chennai", d.tzi, d.type);
        addZone(L"Sound", L"(UTC+14:00) Kiritimati", tziBytes(-840));
        ::testing::internal::CaptureStderr();
        readOwnCatalogue();
        const std::string said = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(catalogue.TimeZoneKeyNames(), std::vector<std::string>{"Sound"}) << d.tzi.size() << " bytes";
        EXPECT_EQ(catalogue.entry(0).bias, -840);
        EXPECT_NE(said.find("\"Damaged\""), std::string::npos) << said;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace hv::win32
