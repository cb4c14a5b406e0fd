#pragma once
// Shared by the tests of the Windows front-end's windows: messages run for
// a while, modal boxes answered from another thread, and small files to load.
#include "front_end_test_support.h"
#include "platform/win32/win32_lifetime.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace hv::test {

// Dispatches the thread's messages for a while.
inline void runMessages(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    MSG msg;
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            win32::dispatchMessage(msg);
        }
        Sleep(1);
    }
}

// Answers the next modal dialog box of this process with a button, from a
// thread of its own, once the box is up; the box's caption is kept.
class DialogAnswer {
public:
    explicit DialogAnswer(WORD button)
        : thread_([this, button] {
            for (int tries = 0; tries < 1000; ++tries) {
                if (HWND box = FindWindowW(L"#32770", nullptr)) {
                    wchar_t text[256] = {};
                    GetWindowTextW(box, text, 256);
                    caption = text;
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    return;
                }
                Sleep(10);
            }
        })
    {
    }
    DialogAnswer(const DialogAnswer&) = delete;
    DialogAnswer& operator=(const DialogAnswer&) = delete;
    ~DialogAnswer() { thread_.join(); }
    std::wstring caption;

private:
    std::thread thread_;
};

// A black-and-white 32 by 32 cursor file pointing at (hotX, hotY).
inline std::string cursorFile(int hotX, int hotY)
{
    std::string bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    };
    constexpr std::uint32_t kImageSize = 40 + 8 + 128 + 128;
    put(0, 2), put(2, 2), put(1, 2); // cursor file, one image
    put(32, 1), put(32, 1), put(0, 1), put(0, 1); // 32 x 32
    put(static_cast<std::uint32_t>(hotX), 2), put(static_cast<std::uint32_t>(hotY), 2);
    put(kImageSize, 4), put(22, 4);
    put(40, 4), put(32, 4), put(64, 4), put(1, 2), put(1, 2); // colour and mask rows
    for (int i = 0; i < 6; ++i)
        put(0, 4);
    put(0, 4), put(0xFFFFFF, 4); // black, white
    bytes.append(128, '\0'); // black picture
    bytes.append(128, '\0'); // opaque everywhere
    return bytes;
}

// A file of the test's own, removed with the object.
class TempFile {
public:
    TempFile(const std::string& name, const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() / ("horavista-" + name))
    {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace hv::test
