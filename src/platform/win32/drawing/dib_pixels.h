#pragma once
// Drawing calls painted antialiased with GDI+ into one 32-bit top-down DIB
// section, text with GDI in the window's font, all of it or within a
// region as frame reuse asks.
#include "drawing/frame_reuse.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

namespace Gdiplus {
class Bitmap;
class Graphics;
} // namespace Gdiplus

namespace hv::win32 {

class DibPixels : public FramePixels {
public:
    DibPixels();
    ~DibPixels() override;
    DibPixels(const DibPixels&) = delete;
    DibPixels& operator=(const DibPixels&) = delete;

    // A fresh DIB of that size, filled with the colour; with fits false
    // (or when the system has no memory for it), none.
    void resize(int width, int height, Colour fill, bool fits);
    bool hasImage() const { return bits_ != nullptr; }
    // The memory device context the DIB is selected into, with the font
    // text is printed in; it measures text even without a DIB.
    HDC dc() const { return dc_; }
    void selectFont(HFONT font);
    // Every call painted so far is in the pixels once this returns.
    void flush();
    // Four bytes a pixel, blue, green, red and a byte that means nothing;
    // rows top-down. Empty without a DIB.
    std::span<const std::uint32_t> pixels() const;

    void wipe(Colour background) override;
    void paint(const DrawingCall& call) override;
    void redrawWithin(const PixelRegion& region, Colour background, std::span<const DrawingCall* const> calls) override;

private:
    void release();
    void printText(const DrawingCall& call);

    HDC dc_;
    HGDIOBJ firstBitmap_;
    HGDIOBJ firstFont_;
    HBITMAP dib_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
    std::unique_ptr<Gdiplus::Bitmap> bitmap_;
    // Kept across the calls of a frame: making one costs more than most
    // of the calls it serves.
    std::unique_ptr<Gdiplus::Graphics> graphics_;
};

} // namespace hv::win32
