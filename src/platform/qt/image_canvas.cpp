#include "platform/qt/image_canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace hv::qt {

namespace {

// How far past its geometry an antialiased call may touch pixels.
constexpr int kSoftEdge = 2;

int marginFor(int penWidth) { return (penWidth + 1) / 2 + kSoftEdge; }

QRect around(const QRectF& shape, int penWidth)
{
    const int margin = marginFor(penWidth);
    return shape.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

// Where a line through the points, or the polygon they close, may draw: a
// band of rows at a time, each as wide as the edges that cross it. For a
// hand across the dial that is a small part of its bounding box. Every
// point of a polygon between two rows lies between edges that cross them.
QRegion bandsAround(const PointList& points, bool closed, int penWidth)
{
    constexpr int kBand = 16;
    const int margin = marginFor(penWidth);
    if (points.empty())
        return {};
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const Point& a, const Point& b) { return a.y < b.y; });
    QRegion region;
    const std::size_t edges = closed ? points.size() : points.size() - 1;
    for (double top = low->y; top <= high->y; top += kBand) {
        const double bottom = top + kBand;
        double left = INFINITY, right = -INFINITY;
        auto take = [&](double x) { left = std::min(left, x); right = std::max(right, x); };
        for (std::size_t e = 0; e < std::max<std::size_t>(edges, 1); ++e) {
            const Point& a = points[e];
            const Point& b = points[(e + 1) % points.size()];
            if (std::max(a.y, b.y) < top || std::min(a.y, b.y) > bottom)
                continue;
            if (a.y == b.y) {
                take(a.x);
                take(b.x);
                continue;
            }
            for (double y : {std::clamp<double>(top, std::min(a.y, b.y), std::max(a.y, b.y)),
                             std::clamp<double>(bottom, std::min(a.y, b.y), std::max(a.y, b.y))})
                take(a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y));
        }
        if (left <= right)
            region += QRect(QPoint(static_cast<int>(std::floor(left)) - margin, static_cast<int>(top) - margin),
                            QPoint(static_cast<int>(std::ceil(right)) + margin,
                                   static_cast<int>(std::min<double>(bottom, high->y)) + margin));
    }
    return region;
}

} // namespace

qint64 ImageCanvas::imageBytes(QSize size, qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    return qint64{pixels.width()} * pixels.height() * 4;
}

ImageCanvas::ImageCanvas(const QFont& font) : metrics_(font), painter_(font) {}

const QImage& ImageCanvas::image()
{
    reuse_.finish();
    return painter_.image();
}

void ImageCanvas::resize(QSize size, qreal devicePixelRatio, Colour fill)
{
    size_ = size;
    painter_.resize(size, devicePixelRatio, fill, imageBytes(size, devicePixelRatio) <= kMaxImageBytes);
    reuse_.restart(size, fill);
}

void ImageCanvas::draw(DrawingCall call)
{
    if (call.kind == DrawingCall::Kind::Clear) {
        reuse_.clear(*call.fill);
    } else if (!painter_.hasImage()) {
        return;
    } else {
        QRegion bounds = boundsOf(call);
        reuse_.add(std::move(call), std::move(bounds));
    }
    if (onDrawn_)
        onDrawn_();
}

QRegion ImageCanvas::boundsOf(const DrawingCall& call) const
{
    using Kind = DrawingCall::Kind;
    switch (call.kind) {
    case Kind::Clear:
        return QRect(QPoint(), size_);
    case Kind::Pixel:
        return QRect(static_cast<int>(std::floor(call.x)), static_cast<int>(std::floor(call.y)), 1, 1);
    case Kind::Circle:
        return around(QRectF(call.x - call.radius, call.y - call.radius, 2 * call.radius, 2 * call.radius),
                      call.pen.width);
    case Kind::Polyline:
    case Kind::Polygon:
        return bandsAround(call.points, call.kind == Kind::Polygon, call.pen.width);
    case Kind::Text: {
        // Glyphs may reach a little past their advance and their line.
        const TextExtent& extent = extentOf(call.text);
        const QRectF box = extent.ink.translated(call.x, call.y + metrics_.ascent())
                               .united(QRectF(call.x, call.y, extent.advance, metrics_.height()));
        return around(box, 1);
    }
    }
    return {};
}

const ImageCanvas::TextExtent& ImageCanvas::extentOf(std::string_view text) const
{
    auto it = extents_.find(text);
    if (it == extents_.end()) {
        const QString qtext = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
        it = extents_.emplace(std::string(text), TextExtent{metrics_.horizontalAdvance(qtext), metrics_.boundingRect(qtext)})
                 .first;
    }
    return it->second;
}

double ImageCanvas::textWidth(std::string_view text) const
{
    return extentOf(text).advance;
}

double ImageCanvas::textHeight(std::string_view) const
{
    return metrics_.height();
}

} // namespace hv::qt
