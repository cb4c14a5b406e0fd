#pragma once
// A canvas that draws antialiased into one QImage, in the window's font.
//
// A clock draws every frame whole, and most of a frame repeats the one
// before: the same wipe, the same dial, often the same hour hand. So the
// canvas keeps the pixels of the longest run of calls that opened the
// last frames (the "base") and, while a new frame repeats that run, only
// notes the calls; at the first call that differs it puts the base back
// where the last frame drew over it and carries on drawing. The image
// then holds exactly the pixels that drawing every call would give, at a
// fraction of the cost. It also knows which part of the image changed
// since it was last shown, so a window repaints only that.
#include "platform/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace hv::qt {

class ImageCanvas : public Canvas {
public:
    // The most one image of the canvas may take. A larger one would be
    // gigabytes allocated on the GUI thread for a window no screen shows
    // whole; such a canvas holds no image and draws nothing.
    static constexpr qint64 kMaxImageBytes = 1'000'000'000;
    // The bytes of an image of size logical pixels at the pixel ratio.
    static qint64 imageBytes(QSize size, qreal devicePixelRatio);

    explicit ImageCanvas(const QFont& font);

    // A fresh image of size logical pixels (times the device pixel ratio),
    // filled with the colour given; none beyond kMaxImageBytes.
    void resize(QSize size, qreal devicePixelRatio, Colour fill);
    // The image with every call so far in it; null when the size was
    // beyond the limit.
    const QImage& image();
    // Called after every drawing call, so a window can show the result.
    void setOnDrawn(std::function<void()> onDrawn) { onDrawn_ = std::move(onDrawn); }
    // The region, in logical pixels, where the image may differ from what
    // it held at the last call of this: calls that repeat those of the
    // frame before, on the same background, leave the same pixels.
    QRegion takeChanges();

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
    enum class Kind { Clear, Pixel, Circle, Polyline, Polygon, Text };

    struct Call {
        Kind kind = Kind::Clear;
        double x = 0, y = 0, radius = 0;
        Pen pen;
        std::optional<Colour> fill;
        PointList points;
        std::string text;
        QRegion bounds; // every pixel the call may touch, logical pixels
        // What it draws; where follows from that.
        bool operator==(const Call& o) const
        {
            return kind == o.kind && x == o.x && y == o.y && radius == o.radius && pen == o.pen && fill == o.fill
                && points == o.points && text == o.text;
        }
    };

    void add(Call call);
    void draw(const Call& call);
    void execute(const Call& call);
    // Brings the image to the pixels of the frame's first n calls.
    void catchUp(std::size_t n);
    void redrawFrame(std::size_t n);
    void takeBase(std::size_t n);
    void noteDivergence(std::size_t index);
    void finishFrame();
    QPainter& painter();
    void endPainting();

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
    QImage image_;
    QSize size_;
    // Kept open across the calls of a frame: opening one costs more than
    // most of the calls it serves.
    QPainter painter_;

    std::vector<Call> frame_;     // the calls since the last clear
    std::vector<Call> lastFrame_; // those of the frame before
    std::vector<Call> taken_;     // the calls when changes were last taken
    bool clearedSinceTaken_ = true;

    QImage base_;                 // the pixels of baseCalls_
    std::vector<Call> baseCalls_; // empty when there is no base
    QRegion overBase_;            // where the image may differ from the base
    // True while the frame so far repeats the base's calls and none of it
    // has been drawn yet.
    bool deferred_ = false;
    // True while the frame so far repeats the last frame's calls.
    bool repeatingLast_ = false;
    // Where each of the last frames, a minute's worth, first differed from
    // the one before it (SIZE_MAX: not at all). The base only takes in
    // calls that those frames repeated, so a hand that moves every few
    // seconds stays out of it and does not force it to be taken anew.
    std::array<std::size_t, 60> divergences_{};
    std::function<void()> onDrawn_;
};

} // namespace hv::qt
