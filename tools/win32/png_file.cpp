#include "png_file.h"

#include "platform/win32/drawing/gdiplus_session.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace hv::win32 {

namespace {

CLSID pngEncoder()
{
    UINT count = 0, bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<std::uint8_t> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (bytes && Gdiplus::GetImageEncoders(count, bytes, encoders) == Gdiplus::Ok)
        for (UINT i = 0; i < count; ++i)
            if (std::wstring_view(encoders[i].MimeType) == L"image/png")
                return encoders[i].Clsid;
    throw std::runtime_error("this system has no PNG encoder");
}

// The PNG file's bytes; empty when GDI+ could not encode them.
std::vector<std::uint8_t> encoded(std::span<const std::uint32_t> pixels, int width, int height)
{
    useGdiplus();
    // GDI+ only reads the pixels to encode them.
    Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppRGB,
        reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels.data())));
    const CLSID encoder = pngEncoder();
    IStream* created = nullptr;
    if (CreateStreamOnHGlobal(nullptr, TRUE, &created) != S_OK)
        return {};
    const std::unique_ptr<IStream, void (*)(IStream*)> stream(created, [](IStream* s) { s->Release(); });
    STATSTG stat{};
    HGLOBAL memory = nullptr;
    if (bitmap.Save(stream.get(), &encoder, nullptr) != Gdiplus::Ok || stream->Stat(&stat, STATFLAG_NONAME) != S_OK
        || GetHGlobalFromStream(stream.get(), &memory) != S_OK)
        return {};
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    if (!bytes)
        return {};
    std::vector<std::uint8_t> file(bytes, bytes + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
    return file;
}

// Whether something other than a file on disk has that name: a folder, a
// device such as NUL, a pipe.
bool takenByOther(const std::wstring& path)
{
    const HANDLE there = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (there == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = GetFileType(there) == FILE_TYPE_DISK && GetFileInformationByHandle(there, &info)
        && !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(there);
    return !regular;
}

// Writes bytes to path through a file beside it, renamed over path once
// written, flushed and closed; the error code of the step that failed, or 0.
DWORD replaceWith(const std::wstring& path, const std::vector<std::uint8_t>& bytes)
{
    const std::wstring aside = path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    const HANDLE file
        = CreateFileW(aside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD written = 0;
    const auto size = static_cast<DWORD>(bytes.size());
    DWORD error = WriteFile(file, bytes.data(), size, &written, nullptr) && written == size && FlushFileBuffers(file)
        ? 0
        : GetLastError();
    if (!CloseHandle(file) && !error)
        error = GetLastError();
    if (!error && !MoveFileExW(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error)
        DeleteFileW(aside.c_str());
    return error;
}

} // namespace

void writePng(std::span<const std::uint32_t> pixels, int width, int height, const std::string& path)
{
    auto failed = [&](const std::string& why) { return std::runtime_error("could not write " + path + ": " + why); };
    if (pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw failed("the picture is not of its size");
    const std::wstring target = widen(path);
    if (takenByOther(target))
        throw failed("it is no regular file");
    const std::vector<std::uint8_t> file = encoded(pixels, width, height);
    if (file.empty())
        throw failed("the picture could not be encoded");
    if (const DWORD error = replaceWith(target, file))
        throw failed(systemMessage(error));
}

} // namespace hv::win32
