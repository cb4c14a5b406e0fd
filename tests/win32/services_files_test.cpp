// Files beside the executable and in folders whose names no ANSI code
// page holds.
#include "platform/win32/file_time.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/storage/win32_file_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hv::win32 {
namespace {

// A folder of the test's own in the temporary folder, emptied and removed
// when the test ends.
class Folder {
public:
    Folder()
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"horavista \x6771\x4EAC \xD83D\xDD50";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~Folder()
    {
        for (const std::wstring& name : made_) {
            SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileW(name.c_str()))
                RemoveDirectoryW(name.c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    std::string utf8(const std::wstring& name = {}) const
    {
        return narrow(name.empty() ? path_ : path_ + L"\\" + name);
    }

    void file(const std::wstring& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
    {
        const std::wstring full = path_ + L"\\" + name;
        const HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
        CloseHandle(h);
        made_.push_back(full);
    }
    void folder(const std::wstring& name)
    {
        CreateDirectoryW((path_ + L"\\" + name).c_str(), nullptr);
        made_.push_back(path_ + L"\\" + name);
    }
    void stamp(const std::wstring& name, std::int64_t secondsSince1970)
    {
        const HANDLE h = CreateFileW((path_ + L"\\" + name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
            FILE_ATTRIBUTE_NORMAL, nullptr);
        const FILETIME time = fileTimeOf(kTicksTo1970 + secondsSince1970 * kTicksPerSecond);
        SetFileTime(h, nullptr, nullptr, &time);
        CloseHandle(h);
    }

private:
    std::wstring path_;
    std::vector<std::wstring> made_;
};

TEST(FileSystemTest, ProgramFilesLieBesideTheExecutable)
{
    Win32FileSystem files;
    const std::string exe = files.executablePath();
    const std::string suffix = "\\services_files_test.exe";
    ASSERT_GT(exe.size(), suffix.size());
    EXPECT_EQ(exe.substr(exe.size() - suffix.size()), suffix);
    EXPECT_EQ(exe[1], ':') << exe;
    const std::string folder = exe.substr(0, exe.size() - suffix.size() + 1);
    EXPECT_EQ(files.programFile("HAND-M.CUR"), folder + "HAND-M.CUR");
    EXPECT_EQ(files.programFile("x/o.cjs"), folder + "x\\o.cjs");
    EXPECT_TRUE(files.modificationTime(exe));
}

TEST(FileSystemTest, ModificationTimesInFoldersOutsideTheCodePage)
{
    Folder folder;
    folder.file(L"HAND-M.CUR");
    folder.stamp(L"HAND-M.CUR", 1630411200); // 2021-08-31T12:00:00Z
    folder.file(L"\x00E9t\x00E9.cur");
    folder.stamp(L"\x00E9t\x00E9.cur", -1); // just before 1970

    Win32FileSystem files;
    EXPECT_EQ(files.modificationTime(folder.utf8(L"HAND-M.CUR")), 1630411200);
    EXPECT_EQ(files.modificationTime(folder.utf8(L"\x00E9t\x00E9.cur")), -1);
    EXPECT_EQ(files.modificationTime(folder.utf8(L"missing.cur")), std::nullopt);
}

TEST(FileSystemTest, OnlyOrdinaryFilesAreFound)
{
    Folder folder;
    folder.file(L"hidden.exe", FILE_ATTRIBUTE_HIDDEN);
    folder.file(L"system.exe", FILE_ATTRIBUTE_SYSTEM);
    folder.folder(L"folder.exe");
    folder.file(L"o.cjs");

    Win32FileSystem files;
    EXPECT_TRUE(files.findOrdinaryFile(folder.utf8(L"o.cjs")));
    for (const wchar_t* name : {L"hidden.exe", L"system.exe", L"folder.exe", L"missing.exe"})
        EXPECT_FALSE(files.findOrdinaryFile(folder.utf8(name))) << narrow(name);
    EXPECT_FALSE(files.findOrdinaryFile(folder.utf8(L"*.exe")));

    folder.file(L"horavista.exe");
    EXPECT_TRUE(files.findOrdinaryFile(folder.utf8(L"*.exe"))) << "one ordinary match among the others counts";
}

} // namespace
} // namespace hv::win32
