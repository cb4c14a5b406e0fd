#pragma once
// A canvas that keeps the calls of the frame being drawn, in the window's
// font, and paints any part of it on demand: a window paints what Qt asks
// for straight into its backing store, so the frame's pixels are held
// once, by the window system. It knows which part of the frame changed
// since it was last shown, so a window repaints only that.
#include "drawing/frame_calls.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <functional>
#include <map>
#include <string>

namespace hv::qt {

class FrameCanvas : public CallCanvas {
public:
    explicit FrameCanvas(const QFont& font);

    // A fresh frame of size logical pixels, wiped with the colour given.
    void resize(QSize size, Colour fill);
    // Paints the frame so far over the region, in logical pixels: there
    // the pixels become exactly those of the whole frame painted at once.
    void paint(QPainter& p, const QRegion& region) const;
    // The whole frame in an image of its own; null beyond the image limit.
    QImage image(qreal devicePixelRatio = 1.0) const;
    // Called after every drawing call, so a window can show the result.
    void setOnDrawn(std::function<void()> onDrawn) { onDrawn_ = std::move(onDrawn); }
    // The region, in logical pixels, where the frame may differ from what
    // it was at the last call of this.
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

    QFont font_;
    QFontMetricsF metrics_;
    mutable std::map<std::string, TextExtent, std::less<>> extents_;
    QSize size_;
    FrameCalls frame_;
    std::function<void()> onDrawn_;
};

} // namespace hv::qt
