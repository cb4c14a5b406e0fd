// The log-in entry in the user's Run key: over a registry held in memory,
// which refuses what Windows refuses a standard user, and with the options
// window over the real registry and settings store, the list from Windows'
// catalogue, the options under HKEY_CURRENT_USER and the entry read back
// the plain way; clearing it takes this program's machine-wide entries too.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_registry.h"
#include "front_end_test_support.h"
#include "platform/win32/session/run_key.h"
#include "platform/win32/storage/win32_registry.h"
#include "platform/win32/storage/win32_settings_store.h"
#include "platform/win32/zones/win32_zone_catalogue.h"
#include "scratch_key.h"

#include <gtest/gtest.h>

namespace hv::win32 {
namespace {

using testing::ScratchKey;
using testing::storedText;

const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// The entry is named after the executable's file name.
const std::wstring kEntry = L"horavista-test-\x6771\x4EAC.exe";

// The machine-wide key in the 64-bit and the 32-bit programs' views.
const REGSAM kMachineViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

void machineEntry(REGSAM view, const std::wstring* command)
{
    HKEY run = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRun.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &run, nullptr)
        != ERROR_SUCCESS)
        return;
    if (command)
        RegSetValueExW(run, kEntry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command->c_str()),
            static_cast<DWORD>((command->size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(run, kEntry.c_str());
    RegCloseKey(run);
}

bool hasMachineEntry(REGSAM view)
{
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRun.c_str(), 0, KEY_QUERY_VALUE | view, &run) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExW(run, kEntry.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(run);
    return found;
}

struct StartUpTest : ::testing::Test {
    void SetUp() override
    {
        TearDown();
        fake.files.executable = "C:\\path with space\\horavista-test-\xE6\x9D\xB1\xE4\xBA\xAC.exe";
    }
    void TearDown() override
    {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRun.c_str(), kEntry.c_str());
        for (const REGSAM view : kMachineViews)
            machineEntry(view, nullptr);
    }

    fakes::FakeCheckBox& box() { return fake.windows.last("Form1").checkBox("Check3"); }

    fakes::FakePlatform fake;
    ScratchKey options{L"Software\\Horavista tests\\start-up"};
    Win32SettingsStore settings{options.path()};
    Win32Registry registry;
    Win32ZoneCatalogue zones;
    RunKeyLogInStart logInStart{registry};
    Platform platform{settings, fake.windows, fake.boxes, fake.colourDialog, fake.events, fake.lifetime, fake.timeOfDay,
        fake.keepAwake, zones, fake.files, logInStart, fake.monitors};
    Program program{platform};
};

TEST_F(StartUpTest, TickingWritesTheQuotedEntryAndClearingDeletesIt)
{
    program.start();
    EXPECT_TRUE(fake.boxes.texts().empty());
    EXPECT_GT(fake.windows.last("Form1").comboBox("Combo1").listCount(), 100);
    EXPECT_FALSE(storedText(HKEY_CURRENT_USER, kRun, kEntry)) << "restoring the box at load registers nothing";
    EXPECT_TRUE(storedText(HKEY_CURRENT_USER, options.path(), L"Combo1")) << "the list's choice is stored at load";

    box().click();
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, kRun, kEntry), L"\"C:\\path with space\\horavista-test-\x6771\x4EAC.exe\"");
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, options.path(), L"Windows Startup"), L"On");

    // Entries of this program under the machine-wide key, as a 32-bit
    // earlier version wrote them, go as well.
    const std::wstring command = L"C:\\path with space\\horavista-test-\x6771\x4EAC.exe";
    for (const REGSAM view : kMachineViews)
        machineEntry(view, &command);
    ASSERT_TRUE(hasMachineEntry(KEY_WOW64_32KEY));
    box().click();
    EXPECT_FALSE(storedText(HKEY_CURRENT_USER, kRun, kEntry));
    EXPECT_EQ(storedText(HKEY_CURRENT_USER, options.path(), L"Windows Startup"), L"Off");
    for (const REGSAM view : kMachineViews)
        EXPECT_FALSE(hasMachineEntry(view)) << view;
    EXPECT_TRUE(fake.boxes.texts().empty());
}

struct RunKeyTest : ::testing::Test {
    RunKeyTest() { registry.key(reg::kHKeyCurrentUser, std::string(kRunKey)); }

    // The value's text, or "(none)".
    std::string entry(RegKey root = reg::kHKeyCurrentUser)
    {
        const auto value = registry.value(root, std::string(kRunKey), "horavista.exe");
        if (!value)
            return "(none)";
        EXPECT_EQ(value->type, reg::kString);
        EXPECT_EQ(value->data.back(), 0) << "a text value ends in its NUL";
        return std::string(value->data.begin(), value->data.end() - 1);
    }

    static constexpr char kPath[] = "C:\\My Apps\\horavista.exe";
    fakes::FakeRegistry registry;
    RunKeyLogInStart start{registry};
};

TEST_F(RunKeyTest, WritesTheQuotedPathAndRemovesItEvenForAStandardUser)
{
    registry.standardUser = true;
    start.enable(kPath);
    EXPECT_EQ(entry(), "\"C:\\My Apps\\horavista.exe\"");
    start.disable(kPath);
    EXPECT_EQ(entry(), "(none)");
    // The user removed the entry some other way: removing is no error.
    EXPECT_NO_THROW(start.disable(kPath));
    EXPECT_TRUE(registry.openHandles().empty());
}

TEST_F(RunKeyTest, AValueThatCannotBeWrittenOrRemovedRaisesPermissionDenied)
{
    const std::string run = fakes::FakeRegistry::id(reg::kHKeyCurrentUser, std::string(kRunKey));
    for (auto refuse : {&fakes::FakeRegistry::refuseWrite, &fakes::FakeRegistry::refuseOpen}) {
        registry.*refuse = {run};
        EXPECT_EQ(test::errorNumber([&] { start.enable(kPath); }), 70);
        EXPECT_EQ(entry(), "(none)");
        registry.*refuse = {};
    }
    start.enable(kPath);
    registry.refuseWrite = {run};
    EXPECT_EQ(test::errorNumber([&] { start.disable(kPath); }), 70);
    EXPECT_NE(entry(), "(none)");
    EXPECT_TRUE(registry.openHandles().empty());
}

TEST_F(RunKeyTest, WithoutARunKeyThereIsNothingToRemoveButNothingCanBeWritten)
{
    fakes::FakeRegistry empty;
    RunKeyLogInStart bare{empty};
    EXPECT_NO_THROW(bare.disable(kPath));
    EXPECT_EQ(test::errorNumber([&] { bare.enable(kPath); }), 75);
    EXPECT_TRUE(empty.openHandles().empty());
}

// An entry under the machine-wide Run key, left by an earlier version or
// an administrator, would go on starting the program behind a cleared box:
// removing takes it when it starts this program, and raises when it
// cannot, the user's entry staying with it.
TEST_F(RunKeyTest, RemovingAlsoTakesAMachineWideEntryOfThisProgram)
{
    registry.setString(
        reg::kHKeyLocalMachine, std::string(kRunKey), "horavista.exe", "C:\\MY APPS\\horavista.exe --from-admin");
    registry.standardUser = true;
    start.enable(kPath);
    EXPECT_EQ(test::errorNumber([&] { start.disable(kPath); }), 70);
    EXPECT_NE(entry(reg::kHKeyLocalMachine), "(none)");
    EXPECT_NE(entry(), "(none)") << "the user's entry goes with the machine-wide one, not before it";

    registry.standardUser = false;
    start.disable(kPath);
    EXPECT_EQ(entry(reg::kHKeyLocalMachine), "(none)");
    EXPECT_EQ(entry(), "(none)");

    // Another program's entry of this name stays.
    registry.setString(reg::kHKeyLocalMachine, std::string(kRunKey), "horavista.exe", "\"C:\\Other\\horavista.exe\"");
    start.disable(kPath);
    EXPECT_NE(entry(reg::kHKeyLocalMachine), "(none)");
}

} // namespace
} // namespace hv::win32
