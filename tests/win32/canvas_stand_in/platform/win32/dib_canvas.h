#pragma once
// Stands in for the window's drawing surface in the window tests while the
// real one is built elsewhere: it keeps whole-colour pixels and what
// changed, and draws nothing but wipes and single pixels.
#include "platform/canvas.h"
#include "platform/win32/win32_units.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace hv::win32 {

class DibCanvas : public Canvas {
public:
    DibCanvas(int width, int height, HFONT) { resize(width, height); }

    void resize(int width, int height)
    {
        width_ = width;
        height_ = height;
        pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFF000000u);
        dirty_ = {0, 0, width, height};
    }
    void setFont(HFONT) {}
    void paintTo(HDC dc, const RECT& dirty)
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width_), static_cast<DWORD>(height_), 0, 0, 0,
                          static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
        (void)dirty;
    }
    std::span<const std::uint32_t> pixels() const { return pixels_; }
    RECT takeDirty() { return std::exchange(dirty_, RECT{}); }

    int width() const override { return width_; }
    int height() const override { return height_; }
    void clear(Colour background) override
    {
        std::fill(pixels_.begin(), pixels_.end(), bgra(background));
        dirty_ = {0, 0, width_, height_};
    }
    void setPixel(double x, double y, Colour colour) override
    {
        const int px = static_cast<int>(x);
        const int py = static_cast<int>(y);
        if (px < 0 || py < 0 || px >= width_ || py >= height_)
            return;
        pixels_[static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(px)] =
            bgra(colour);
        const RECT pixel{px, py, px + 1, py + 1};
        UnionRect(&dirty_, &dirty_, &pixel);
    }
    void circle(double, double, double, Pen, std::optional<Colour>) override {}
    void polyline(std::span<const Point>, Pen) override {}
    void polygon(std::span<const Point>, Pen, std::optional<Colour>) override {}
    void print(double, double, std::string_view, Colour) override {}
    double textWidth(std::string_view) const override { return 0; }
    double textHeight(std::string_view) const override { return 0; }

private:
    static std::uint32_t bgra(Colour colour)
    {
        const COLORREF c = toColorref(colour);
        return 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    RECT dirty_{};
};

} // namespace hv::win32
