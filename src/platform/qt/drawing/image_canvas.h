#pragma once
// A canvas that draws antialiased into one QImage, in the window's font.
// It reuses what the frames before drew (FrameReuse) and paints the rest
// (CallPainter), and knows which part of the image changed since it was
// last shown, so a window repaints only that.
#include "platform/qt/drawing/call_painter.h"

#include <QFontMetricsF>

#include <functional>
#include <map>
#include <string>

namespace hv::qt {

class ImageCanvas : public CallCanvas {
public:
    explicit ImageCanvas(const QFont& font);

    // A fresh image of size logical pixels (times the device pixel ratio),
    // filled with the colour given; none beyond the image limit.
    void resize(QSize size, qreal devicePixelRatio, Colour fill);
    // The image with every call so far in it; null when the size was
    // beyond the limit.
    const QImage& image();
    // Called after every drawing call, so a window can show the result.
    void setOnDrawn(std::function<void()> onDrawn) { onDrawn_ = std::move(onDrawn); }
    // The region, in logical pixels, where the image may differ from what
    // it held at the last call of this.
    QRegion takeChanges();

    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }
    void draw(DrawingCall call) override;
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;

private:
    // Every pixel the call may touch, in logical pixels.
    PixelRegion boundsOf(const DrawingCall& call) const;

    // Laying out text costs more than drawing it, and a clock measures
    // the same few numerals every second.
    struct TextExtent {
        double advance;
        QRectF ink; // relative to the start of the base line
    };
    const TextExtent& extentOf(std::string_view text) const;

    QFontMetricsF metrics_;
    mutable std::map<std::string, TextExtent, std::less<>> extents_;
    QSize size_;
    CallPainter painter_;
    FrameReuse reuse_{painter_};
    std::function<void()> onDrawn_;
};

} // namespace hv::qt
