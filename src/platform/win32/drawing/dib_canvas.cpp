#include "platform/win32/drawing/dib_canvas.h"

#include "drawing/call_bounds.h"
#include "drawing/image_limit.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_units.h"

#include <algorithm>
#include <utility>

namespace hv::win32 {

DibCanvas::DibCanvas(int width, int height, HFONT font)
    : width_(width)
    , height_(height)
{
    setFont(font);
    pixels_.resize(width, height, background_, fitsImageLimit(width, height));
}

void DibCanvas::resize(int width, int height)
{
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    pixels_.resize(width, height, background_, fitsImageLimit(width, height));
    reuse_.restart(width, height, background_);
}

void DibCanvas::setFont(HFONT font)
{
    pixels_.selectFont(font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(pixels_.dc(), &metrics);
    lineHeight_ = metrics.tmHeight;
    overhang_ = metrics.tmOverhang;
    advances_.clear();
    // Text drawn before looks different now: nothing is reused.
    reuse_.restart(width_, height_, background_);
}

void DibCanvas::draw(DrawingCall call)
{
    if (call.kind == DrawingCall::Kind::Clear) {
        background_ = *call.fill;
        reuse_.clear(background_);
    } else if (pixels_.hasImage()) {
        PixelRegion bounds = boundsOf(call);
        reuse_.add(std::move(call), std::move(bounds));
    }
}

PixelRegion DibCanvas::boundsOf(const DrawingCall& call) const
{
    if (call.kind != DrawingCall::Kind::Text)
        return shapeBounds(call, width_, height_);
    const double x = std::lround(call.x), y = std::lround(call.y);
    return textBounds({x, y, x + advanceOf(call.text) + overhang_, y + lineHeight_});
}

std::span<const std::uint32_t> DibCanvas::pixels() const
{
    reuse_.finish();
    pixels_.flush();
    return pixels_.pixels();
}

void DibCanvas::paintTo(HDC dc, const RECT& dirty)
{
    if (pixels().empty()) {
        HBRUSH brush = CreateSolidBrush(toColorref(background_));
        FillRect(dc, &dirty, brush);
        DeleteObject(brush);
        return;
    }
    const PixelRect r
        = PixelRect{dirty.left, dirty.top, dirty.right, dirty.bottom}.intersected({0, 0, width_, height_});
    if (!r.empty())
        BitBlt(dc, r.left, r.top, r.width(), r.height(), pixels_.dc(), r.left, r.top, SRCCOPY);
}

RECT DibCanvas::takeDirty()
{
    const PixelRect r = reuse_.takeChanges().bounds().intersected({0, 0, width_, height_});
    return {r.left, r.top, r.right, r.bottom};
}

double DibCanvas::advanceOf(std::string_view text) const
{
    auto it = advances_.find(text);
    if (it == advances_.end()) {
        const std::wstring wide = widen(text);
        SIZE size{};
        GetTextExtentPoint32W(pixels_.dc(), wide.data(), static_cast<int>(wide.size()), &size);
        it = advances_.emplace(std::string(text), size.cx).first;
    }
    return it->second;
}

double DibCanvas::textWidth(std::string_view text) const { return advanceOf(text); }

double DibCanvas::textHeight(std::string_view) const { return lineHeight_; }

} // namespace hv::win32
