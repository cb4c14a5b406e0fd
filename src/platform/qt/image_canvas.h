#pragma once
// A canvas that draws antialiased into one QImage, in the window's font.
#include "platform/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include <functional>

namespace hv::qt {

class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(const QFont& font);

    // A fresh image of size logical pixels (times the device pixel ratio),
    // filled with the colour given.
    void resize(QSize size, qreal devicePixelRatio, Colour fill);
    const QImage& image() const { return image_; }
    // Called after every drawing call, so a window can show the result.
    void setOnDrawn(std::function<void()> onDrawn) { onDrawn_ = std::move(onDrawn); }

    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }
    void clear(Colour background) override;
    void setPixel(double x, double y, Colour colour) override;
    void circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill) override;
    void polyline(std::span<const Point> points, Pen pen) override;
    void polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill) override;
    void print(double x, double y, std::string_view text, Colour colour) override;
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;

private:
    void drawn() { if (onDrawn_) onDrawn_(); }

    QFont font_;
    QFontMetricsF metrics_;
    QImage image_;
    QSize size_;
    std::function<void()> onDrawn_;
};

} // namespace hv::qt
