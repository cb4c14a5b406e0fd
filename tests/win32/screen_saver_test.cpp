// horavista.scr as Windows starts it: each switch in a process of its own,
// its windows found by the process that owns them. The program's options
// start from the defaults and are removed afterwards.
#include "scratch_key.h"
#include "windows_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace hv::win32 {
namespace {

using namespace std::chrono_literals;

// HORAVISTA_SCR is relative to the folder of the test program.
std::wstring saverPath()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + HORAVISTA_SCR;
}

class Saver {
public:
    explicit Saver(const std::wstring& arguments)
    {
        std::wstring commandLine = L"\"" + saverPath() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(
            nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
    }
    Saver(const Saver&) = delete;
    Saver& operator=(const Saver&) = delete;
    ~Saver()
    {
        if (!started_)
            return;
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10'000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    bool started() const { return started_; }
    bool owns(HWND window) const
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == process_.dwProcessId;
    }
    // The status it ended with, once it has within the time given; the
    // test's own windows are served meanwhile.
    std::optional<DWORD> endedWithin(std::chrono::milliseconds time) const
    {
        const auto end = std::chrono::steady_clock::now() + time;
        while (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            if (std::chrono::steady_clock::now() > end)
                return std::nullopt;
            test::runMessages(50ms);
        }
        DWORD status = 0;
        GetExitCodeProcess(process_.hProcess, &status);
        return status;
    }
    // Its first visible top-level window that passes test, waited for.
    HWND window(const std::function<bool(HWND)>& test) const
    {
        for (int tries = 0; tries < 200; ++tries) {
            struct Search {
                const Saver* saver;
                const std::function<bool(HWND)>* test;
                HWND found = nullptr;
            } search{this, &test};
            EnumWindows(
                [](HWND hwnd, LPARAM data) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(data);
                    if (IsWindowVisible(hwnd) && s->saver->owns(hwnd) && (*s->test)(hwnd))
                        s->found = hwnd;
                    return !s->found;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            test::runMessages(100ms);
        }
        return nullptr;
    }

private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

bool isMessageBox(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770";
}

struct ScreenSaverTest : ::testing::Test {
    testing::ScratchKey options{L"Software\\Quellmark\\Horavista"};
};

TEST_F(ScreenSaverTest, UsageEndsWellAndAnythingElseEndsWithStatusTwo)
{
    for (const auto& [arguments, status] :
        {std::pair{L"/?", 0u}, std::pair{L"/x", 2u}, std::pair{L"/p", 2u}, std::pair{L"/p 1", 2u}}) {
        Saver saver(arguments);
        ASSERT_TRUE(saver.started());
        // A GUI program tells it in a box; nothing else opens.
        const HWND box = saver.window(isMessageBox);
        ASSERT_TRUE(box) << arguments;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_EQ(saver.endedWithin(20s), status) << arguments;
    }
}

TEST_F(ScreenSaverTest, SettingsOpenTheOptionsWindow)
{
    Saver saver(L"/C:65552");
    ASSERT_TRUE(saver.started());
    EXPECT_TRUE(saver.window([](HWND w) { return FindWindowExW(w, nullptr, WC_BUTTONW, L"Show Fullscreen Clock"); }));
}

TEST_F(ScreenSaverTest, ShowCoversTheScreenAndEndsWhenTheMouseMoves)
{
    SetCursorPos(100, 100);
    Saver saver(L"/s");
    ASSERT_TRUE(saver.started());
    const HWND clock = saver.window([](HWND) { return true; });
    ASSERT_TRUE(clock);
    RECT covered;
    GetWindowRect(clock, &covered);
    EXPECT_EQ(covered.right - covered.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(covered.bottom - covered.top, GetSystemMetrics(SM_CYSCREEN));
    // Past the settling of the start, a move well beyond a tremor.
    test::runMessages(1500ms);
    SetCursorPos(400, 300);
    EXPECT_TRUE(saver.endedWithin(20s));
}

TEST_F(ScreenSaverTest, PreviewDrawsInsideItsHostAndEndsWithIt)
{
    const HWND host = CreateWindowExW(0, L"STATIC", L"preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 260,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(host);
    RECT hostClient;
    GetClientRect(host, &hostClient);
    Saver saver(L"/p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(host)));
    ASSERT_TRUE(saver.started());
    HWND preview = nullptr;
    for (int tries = 0; tries < 200 && !preview; ++tries) {
        test::runMessages(100ms);
        preview = FindWindowExW(host, nullptr, nullptr, nullptr);
    }
    ASSERT_TRUE(preview);
    EXPECT_TRUE(saver.owns(preview));
    RECT client;
    GetClientRect(preview, &client);
    EXPECT_EQ(client.right, hostClient.right);
    EXPECT_EQ(client.bottom, hostClient.bottom);
    DestroyWindow(host);
    EXPECT_TRUE(saver.endedWithin(20s));
}

} // namespace
} // namespace hv::win32
