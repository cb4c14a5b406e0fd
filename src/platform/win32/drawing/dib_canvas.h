#pragma once
// A window's drawing surface on Windows: antialiased drawing into an
// off-screen 32-bit DIB in the window's font, blitted where the window
// needs it. Like the Linux canvas it reuses what the frames before drew
// (FrameReuse) and knows which part of the DIB changed since it was last
// asked, so a window invalidates only that. A window larger than the image
// limit gets no DIB: it shows the background of the last clear.
#include "drawing/drawing_call.h"
#include "drawing/frame_reuse.h"
#include "platform/win32/drawing/dib_pixels.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>

namespace hv::win32 {

class DibCanvas : public CallCanvas {
public:
    // A null font means the system's default GUI font. The canvas selects
    // the font but does not own it: it must outlive the canvas, or its use
    // there (see setFont).
    explicit DibCanvas(int width, int height, HFONT font);

    // A fresh DIB of that size, filled with the last clear's background;
    // the same size keeps what was drawn.
    void resize(int width, int height);
    // Text from now on is printed and measured in this font.
    void setFont(HFONT font);
    // Copies the DIB's part in dirty (client coordinates) to the device
    // context; without a DIB fills it with the background.
    void paintTo(HDC dc, const RECT& dirty);
    // Every call so far in it; empty without a DIB. The bytes of a pixel
    // are blue, green, red and one that means nothing; rows top-down.
    std::span<const std::uint32_t> pixels() const;
    // The smallest rectangle holding every pixel that may differ from what
    // the DIB held when this was last called; all zero when none does.
    RECT takeDirty();

    int width() const override { return width_; }
    int height() const override { return height_; }
    void draw(DrawingCall call) override;
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;

private:
    PixelRegion boundsOf(const DrawingCall& call) const;
    double advanceOf(std::string_view text) const;

    int width_;
    int height_;
    Colour background_ = kBlack;
    int lineHeight_ = 0;
    int overhang_ = 0;
    // Measuring text costs more than drawing it, and a clock measures the
    // same few numerals every second.
    mutable std::map<std::string, double, std::less<>> advances_;
    // Looking at the pixels brings them up to every call so far, which a
    // frame that repeats the last one only notes until then.
    mutable DibPixels pixels_;
    mutable FrameReuse reuse_{pixels_};
};

} // namespace hv::win32
