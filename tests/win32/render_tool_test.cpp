// The Windows render tool as a user runs it: it prints the frame's drawing
// calls as the Linux tool does, writes a PNG any decoder reads, takes the
// zones and the stored colours from Windows, and ends with the statuses
// the Linux tool ends with.
#include "platform/settings_store.h"
#include "platform/win32/drawing/gdiplus_session.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/storage/win32_settings_store.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAreArray;

struct Outcome {
    DWORD status = 0xFFFFFFFF;
    std::vector<std::string> lines; // stdout, without line ends
};

std::wstring temporaryPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::string contents(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

HANDLE inheritableFile(const std::wstring& path)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
}

// HORAVISTA_RENDER is relative to the folder of the test program.
std::wstring toolPath()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + HORAVISTA_RENDER;
}

Outcome run(const std::vector<std::string>& arguments)
{
    std::wstring commandLine = L"\"" + toolPath() + L"\"";
    for (const std::string& a : arguments)
        commandLine += L" \"" + hv::win32::widen(a) + L"\"";
    const std::wstring out = temporaryPath(L"render-tool-out.txt"), err = temporaryPath(L"render-tool-err.txt");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = inheritableFile(out);
    startup.hStdError = inheritableFile(err);
    PROCESS_INFORMATION process{};
    Outcome outcome;
    // Without a console of its own: a new one would take the tool's
    // stderr when the test itself runs without one (under ctest).
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
            &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60'000);
        GetExitCodeProcess(process.hProcess, &outcome.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    std::istringstream lines(contents(out));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        outcome.lines.push_back(line);
    }
    return outcome;
}

// Drawn in white on black whatever the stored options say.
const std::vector<std::string> kWhiteOnBlack{"--clock-color", "16777215", "--background", "0"};

std::vector<std::string> withColours(std::vector<std::string> arguments)
{
    arguments.insert(arguments.end(), kWhiteOnBlack.begin(), kWhiteOnBlack.end());
    return arguments;
}

TEST(RenderTool, PrintsTheDrawingCallsTheLinuxToolPrints)
{
    // As the Linux tool prints them; the numerals' places follow each
    // system's font and are left out.
    const std::vector<std::string> linux{
        "cls color=0",
        "circle 960 540 535 width=3 pen=16777215 fill=0",
        "circle 960 540 5 width=1 pen=16777215 fill=16777215",
        "polyline 1188 146 1228 77 width=2 pen=16777215",
        "polyline 1354 312 1423 272 width=2 pen=16777215",
        "polyline 1354 768 1423 808 width=2 pen=16777215",
        "polyline 1188 934 1228 1003 width=2 pen=16777215",
        "polyline 732 934 692 1003 width=2 pen=16777215",
        "polyline 566 768 497 808 width=2 pen=16777215",
        "polyline 566 312 497 272 width=2 pen=16777215",
        "polyline 732 146 692 77 width=2 pen=16777215",
        "polygon 985 540 990 530 1254 538 1254 542 990 550 width=1 pen=16777215 fill=16777215",
        "polygon 960 515 954 510 958 107 962 107 966 510 width=1 pen=16777215 fill=16777215",
        "polygon 960 515 956 510 958 85 962 85 964 510 width=1 pen=16777215 fill=16777215",
    };
    const Outcome outcome = run(withColours({"--size", "1920x1080", "--time", "03:00:00", "--ops"}));
    ASSERT_EQ(outcome.status, 0u);
    std::vector<std::string> shapes, numerals;
    for (const std::string& line : outcome.lines)
        (line.starts_with("print ") ? numerals : shapes).push_back(line);
    EXPECT_THAT(shapes, ElementsAreArray(linux));
    ASSERT_EQ(numerals.size(), 4u);
    EXPECT_TRUE(numerals[0].ends_with(" 3 color=16777215")) << numerals[0];
}

TEST(RenderTool, WritesAPngOfTheSizeAsked)
{
    const std::wstring path = temporaryPath(L"render-tool.png");
    DeleteFileW(path.c_str());
    const Outcome outcome = run({"--size", "320x200", "--time", "03:00:00", "--clock-color", "255", "--background", "0",
        "--png", hv::win32::narrow(path)});
    ASSERT_EQ(outcome.status, 0u);
    EXPECT_TRUE(outcome.lines.empty());
    hv::win32::useGdiplus();
    Gdiplus::Bitmap png(path.c_str());
    ASSERT_EQ(png.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(png.GetWidth(), 320u);
    EXPECT_EQ(png.GetHeight(), 200u);
    Gdiplus::Color hand, background;
    png.GetPixel(190, 100, &hand); // the hour hand at three
    png.GetPixel(160, 150, &background);
    EXPECT_EQ(hand.GetValue() & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(background.GetValue() & 0xFFFFFF, 0u);
}

TEST(RenderTool, RefusesToWriteAPictureIntoADeviceWith1)
{
    const Outcome outcome = run({"--size", "10x10", "--time", "03:00:00", "--png", "NUL"});
    EXPECT_EQ(outcome.status, 1u);
}

TEST(RenderTool, RefusesABadSizeWith2AndAColourThatIsNoneWith1)
{
    Outcome outcome = run({"--size", "0x10", "--ops"});
    // The statuses only: once other Wine programs have run in the session,
    // Wine 8 loses a console child's stderr written to a file (the
    // messages are checked where the command line is read).
    EXPECT_EQ(outcome.status, 2u);
    EXPECT_TRUE(outcome.lines.empty());

    hv::win32::Win32SettingsStore stored(hv::win32::Win32SettingsStore::keyPathFor("Quellmark", "Horavista"));
    stored.write("Clock Color", "abc");
    outcome = run({"--size", "100x100", "--ops"});
    stored.write("Clock Color", "16777215");
    EXPECT_EQ(outcome.status, 1u);
    EXPECT_TRUE(outcome.lines.empty());
    outcome = run({"--size", "100x100", "--ops", "--clock-color", "abc"});
    EXPECT_EQ(outcome.status, 1u);
}

TEST(RenderTool, ListsTheCatalogueAndDrawsAZonesTime)
{
    const Outcome list = run({"--list-zones"});
    ASSERT_EQ(list.status, 0u);
    EXPECT_GT(list.lines.size(), 100u);
    EXPECT_EQ(std::count_if(
                  list.lines.begin(), list.lines.end(), [](const std::string& l) { return l.ends_with("\tstart"); }),
        1);
    EXPECT_THAT(list.lines,
        ::testing::Contains(
            ::testing::HasSubstr("\tIndia Standard Time\t(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi\t-330")));

    // 12:00 UTC in July is 17:30 in Kolkata; the hour hand as the Linux
    // tool draws it then.
    const Outcome kolkata = run(
        withColours({"--size", "1920x1080", "--zone", "India Standard Time", "--at", "2026-07-01T12:00:00Z", "--ops"}));
    ASSERT_EQ(kolkata.status, 0u);
    EXPECT_THAT(kolkata.lines,
        ::testing::Contains("polygon 966 564 977 566 1038 823 1034 824 958 572 width=1 pen=16777215 fill=16777215"));
    const Outcome unknown = run(withColours({"--size", "10x10", "--zone", "Nowhere Standard Time", "--ops"}));
    EXPECT_EQ(unknown.status, 2u);
}

} // namespace
