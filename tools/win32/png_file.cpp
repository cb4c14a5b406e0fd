#include "png_file.h"

#include "platform/win32/gdiplus_session.h"
#include "platform/win32/wide_text.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

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

} // namespace

void writePng(std::span<const std::uint32_t> pixels, int width, int height, const std::string& path)
{
    useGdiplus();
    // GDI+ only reads the pixels to encode them.
    Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppRGB,
                           reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels.data())));
    const CLSID encoder = pngEncoder();
    if (pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)
        || bitmap.Save(widen(path).c_str(), &encoder, nullptr) != Gdiplus::Ok)
        throw std::runtime_error("could not write " + path);
}

} // namespace hv::win32
