#include "platform/win32/drawing/dib_pixels.h"

#include "platform/win32/drawing/gdiplus_session.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_units.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cmath>

namespace hv::win32 {

namespace {

Gdiplus::Color toGdiplus(Colour colour)
{
    const COLORREF c = toColorref(colour);
    return Gdiplus::Color(255, GetRValue(c), GetGValue(c), GetBValue(c));
}

// The DIB's own layout: blue in the low byte.
std::uint32_t toPixel(Colour colour)
{
    const COLORREF c = toColorref(colour);
    return 0xFF000000u | std::uint32_t{GetRValue(c)} << 16 | std::uint32_t{GetGValue(c)} << 8 | GetBValue(c);
}

std::vector<Gdiplus::Point> toGdiplus(const PointList& points)
{
    std::vector<Gdiplus::Point> converted;
    converted.reserve(points.size());
    for (const Point& p : points)
        converted.emplace_back(p.x, p.y);
    return converted;
}

// Whole coordinates lie on pixel centres, as on the classic drawing
// surface, so a 1-pixel line covers one row of pixels.
struct RoundPen : Gdiplus::Pen {
    explicit RoundPen(hv::Pen pen)
        : Gdiplus::Pen(toGdiplus(pen.colour), static_cast<Gdiplus::REAL>(pen.width))
    {
        SetLineJoin(Gdiplus::LineJoinRound);
        SetStartCap(Gdiplus::LineCapRound);
        SetEndCap(Gdiplus::LineCapRound);
    }
};

} // namespace

DibPixels::DibPixels()
    : dc_(CreateCompatibleDC(nullptr))
{
    useGdiplus();
    firstBitmap_ = GetCurrentObject(dc_, OBJ_BITMAP);
    firstFont_ = GetCurrentObject(dc_, OBJ_FONT);
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
}

DibPixels::~DibPixels()
{
    release();
    SelectObject(dc_, firstFont_);
    DeleteDC(dc_);
}

void DibPixels::release()
{
    graphics_.reset();
    bitmap_.reset();
    if (dib_) {
        SelectObject(dc_, firstBitmap_);
        DeleteObject(dib_);
    }
    dib_ = nullptr;
    bits_ = nullptr;
}

void DibPixels::resize(int width, int height, Colour fill, bool fits)
{
    release();
    width_ = width;
    height_ = height;
    if (!fits || width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib_)
        return;
    SelectObject(dc_, dib_);
    bits_ = static_cast<std::uint32_t*>(bits);
    bitmap_ = std::make_unique<Gdiplus::Bitmap>(
        width, height, width * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(bits_));
    graphics_ = std::make_unique<Gdiplus::Graphics>(bitmap_.get());
    graphics_->SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    wipe(fill);
}

void DibPixels::selectFont(HFONT font)
{
    SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
}

void DibPixels::flush()
{
    if (graphics_)
        graphics_->Flush(Gdiplus::FlushIntentionSync);
    GdiFlush();
}

std::span<const std::uint32_t> DibPixels::pixels() const
{
    if (!bits_)
        return {};
    return {bits_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)};
}

void DibPixels::wipe(Colour background)
{
    if (!bits_)
        return;
    flush();
    std::fill_n(bits_, pixels().size(), toPixel(background));
}

void DibPixels::paint(const DrawingCall& call)
{
    if (!bits_)
        return;
    using Kind = DrawingCall::Kind;
    switch (call.kind) {
    case Kind::Clear: break;
    case Kind::Pixel: {
        const double x = std::floor(call.x), y = std::floor(call.y);
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            flush();
            bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)]
                = toPixel(call.pen.colour);
        }
        break;
    }
    case Kind::Circle: {
        const auto r = static_cast<Gdiplus::REAL>(call.radius);
        const auto left = static_cast<Gdiplus::REAL>(call.x) - r, top = static_cast<Gdiplus::REAL>(call.y) - r;
        if (call.fill) {
            const Gdiplus::SolidBrush brush(toGdiplus(*call.fill));
            graphics_->FillEllipse(&brush, left, top, 2 * r, 2 * r);
        }
        const RoundPen pen(call.pen);
        graphics_->DrawEllipse(&pen, left, top, 2 * r, 2 * r);
        break;
    }
    case Kind::Polyline: {
        const auto points = toGdiplus(call.points);
        const RoundPen pen(call.pen);
        graphics_->DrawLines(&pen, points.data(), static_cast<INT>(points.size()));
        break;
    }
    case Kind::Polygon: {
        const auto points = toGdiplus(call.points);
        if (call.fill) {
            const Gdiplus::SolidBrush brush(toGdiplus(*call.fill));
            graphics_->FillPolygon(&brush, points.data(), static_cast<INT>(points.size()), Gdiplus::FillModeAlternate);
        }
        const RoundPen pen(call.pen);
        graphics_->DrawPolygon(&pen, points.data(), static_cast<INT>(points.size()));
        break;
    }
    case Kind::Text: printText(call); break;
    }
}

// GDI's text, in the font the window measures with, so that numerals
// centred by their measured width come out centred.
void DibPixels::printText(const DrawingCall& call)
{
    flush();
    const std::wstring text = widen(call.text);
    SetTextColor(dc_, toColorref(call.pen.colour));
    TextOutW(dc_, static_cast<int>(std::lround(call.x)), static_cast<int>(std::lround(call.y)), text.data(),
        static_cast<int>(text.size()));
    GdiFlush();
}

// GDI+ draws the shapes and GDI the text, so both get the clip.
void DibPixels::redrawWithin(const PixelRegion& region, Colour background, std::span<const DrawingCall* const> calls)
{
    if (!bits_)
        return;
    flush();
    const PixelRect whole{0, 0, width_, height_};
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    for (const PixelRect& rect : region.rects()) {
        const PixelRect r = rect.intersected(whole);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)
                    + static_cast<std::size_t>(r.left),
                r.width(), toPixel(background));
        HRGN part = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(clip, clip, part, RGN_OR);
        DeleteObject(part);
    }
    const Gdiplus::Region shapesClip(clip);
    graphics_->SetClip(&shapesClip);
    SelectClipRgn(dc_, clip);
    for (const DrawingCall* call : calls)
        if (call->kind != DrawingCall::Kind::Pixel
            || region.contains(static_cast<int>(std::floor(call->x)), static_cast<int>(std::floor(call->y))))
            paint(*call);
    flush();
    graphics_->ResetClip();
    SelectClipRgn(dc_, nullptr);
    DeleteObject(clip);
}

} // namespace hv::win32
