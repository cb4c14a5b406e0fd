#include "platform/qt/drawing/call_painter.h"

#include "platform/qt/drawing/qt_colour.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>
#include <cstdlib>

#include <sys/mman.h>

namespace hv::qt {

namespace {

QPolygon toPolygon(const PointList& points)
{
    QPolygon polygon(static_cast<int>(points.size()));
    for (int i = 0; i < polygon.size(); ++i)
        polygon[i] = QPoint(points[i].x, points[i].y);
    return polygon;
}

// Shapes are placed with whole coordinates on pixel centres, as on the
// classic drawing surface, so a 1-pixel line covers one row of pixels.
void useForShapes(QPainter& p, Pen pen, std::optional<Colour> fill)
{
    p.setTransform(QTransform::fromTranslate(0.5, 0.5));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(toQColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
}

// Qt's antialiased fill costs far more per scanline than its aliased fill
// or its 1-pixel antialiased lines, and a full-screen dial has a thousand
// scanlines. So an inside that an outline will edge anyway is filled
// aliased; the outline drawn over it gives the soft edge.
void useForInside(QPainter& p, Colour colour)
{
    p.setTransform(QTransform::fromTranslate(0.5, 0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(colour));
}

void useForSoftEdge(QPainter& p, Colour colour) { useForShapes(p, {1, colour}, std::nullopt); }

void drawCircle(QPainter& p, QPointF centre, double radius, Pen outline, std::optional<Colour> fill)
{
    if (outline.width > 1 && radius <= outline.width) {
        // Too small for a ring with an inside: Qt's own stroke.
        useForShapes(p, outline, fill);
        p.drawEllipse(centre, radius, radius);
        return;
    }
    if (fill) {
        useForInside(p, *fill);
        p.drawEllipse(centre, radius, radius);
    }
    useForSoftEdge(p, outline.colour);
    if (outline.width <= 1) {
        p.drawEllipse(centre, radius, radius);
        return;
    }
    // A wide outline: the pixels whose centres lie within it are filled
    // whole, and a 1-pixel soft circle on each of its edges gives them the
    // coverage an antialiased stroke would.
    const double half = (outline.width - 1) / 2.0;
    QPainterPath ring;
    ring.addEllipse(centre, radius + half, radius + half);
    ring.addEllipse(centre, radius - half, radius - half);
    useForInside(p, outline.colour);
    p.drawPath(ring);
    useForSoftEdge(p, outline.colour);
    p.drawEllipse(centre, radius + half, radius + half);
    p.drawEllipse(centre, radius - half, radius - half);
}

void drawPolygon(QPainter& p, const PointList& points, Pen outline, std::optional<Colour> fill)
{
    const QPolygon polygon = toPolygon(points);
    if (fill && outline.width <= 1) {
        useForInside(p, *fill);
        p.drawPolygon(polygon);
        useForSoftEdge(p, outline.colour);
    } else {
        useForShapes(p, outline, fill);
    }
    p.drawPolygon(polygon);
}

// A 32-bit image whose pixels lie in huge pages where the system offers
// them: a full-screen image then costs a handful of page faults instead of
// thousands, and rows far apart no longer miss the TLB each.
QImage imageInHugePages(QSize size, qreal devicePixelRatio)
{
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    const qsizetype bytesPerLine = static_cast<qsizetype>(pixels.width()) * 4;
    const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(pixels.height());
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* buffer = rounded ? std::aligned_alloc(kHugePage, rounded) : nullptr;
    QImage image;
    if (buffer) {
        madvise(buffer, rounded, MADV_HUGEPAGE);
        image = QImage(static_cast<uchar*>(buffer), pixels.width(), pixels.height(), bytesPerLine, QImage::Format_RGB32,
            std::free, buffer);
    } else {
        image = QImage(pixels, QImage::Format_RGB32);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

void paintCall(QPainter& p, const DrawingCall& call, double ascent)
{
    using Kind = DrawingCall::Kind;
    switch (call.kind) {
    case Kind::Clear: break;
    case Kind::Pixel:
        p.resetTransform();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(static_cast<int>(std::floor(call.x)), static_cast<int>(std::floor(call.y)), 1, 1),
            toQColor(call.pen.colour));
        break;
    case Kind::Circle: drawCircle(p, QPointF(call.x, call.y), call.radius, call.pen, call.fill); break;
    case Kind::Polyline:
        useForShapes(p, call.pen, std::nullopt);
        p.drawPolyline(toPolygon(call.points));
        break;
    case Kind::Polygon: drawPolygon(p, call.points, call.pen, call.fill); break;
    case Kind::Text:
        p.resetTransform();
        p.setPen(toQColor(call.pen.colour));
        p.drawText(QPointF(call.x, call.y + ascent), QString::fromStdString(call.text));
        break;
    }
}

CallPainter::CallPainter(const QFont& font)
    : font_(font)
    , ascent_(QFontMetricsF(font).ascent())
{
}

QPainter& CallPainter::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setFont(font_);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    return painter_;
}

void CallPainter::endPainting()
{
    if (painter_.isActive())
        painter_.end();
}

const QImage& CallPainter::image()
{
    endPainting();
    return image_;
}

void CallPainter::resize(QSize size, qreal devicePixelRatio, Colour fill, bool fits)
{
    endPainting();
    image_ = fits ? imageInHugePages(size, devicePixelRatio) : QImage();
    image_.fill(toQColor(fill));
}

void CallPainter::wipe(Colour background)
{
    endPainting();
    image_.fill(toQColor(background));
}

void CallPainter::paint(const DrawingCall& call) { paintCall(painter(), call, ascent_); }

void CallPainter::redrawWithin(const PixelRegion& region, Colour background, std::span<const DrawingCall* const> calls)
{
    QPainter& p = painter();
    p.resetTransform();
    // Set while the painter has no transform of its own, so it lies on
    // the logical pixels the calls are placed on. A fractional device
    // pixel ratio rounds its edges: a pixel more on each side keeps every
    // device pixel the region touches inside it.
    const qreal ratio = image_.devicePixelRatio();
    QRegion clip = toQRegion(region);
    if (ratio != 1.0) {
        QRegion grown;
        for (const QRect& r : clip)
            grown += r.adjusted(-1, -1, 1, 1);
        clip = grown;
    }
    // The region's own rectangles wiped one by one: Qt's fill of their
    // bounding rectangle under this clip was seen to reach past it.
    for (const QRect& r : clip)
        p.fillRect(r, toQColor(background));
    p.setClipRegion(clip);
    for (const DrawingCall* call : calls)
        paintCall(p, *call, ascent_);
    p.setClipping(false);
}

namespace {

// Halves united in turn: adding a frame's hundred-odd overlapping
// rectangles one by one would cost more than drawing the frame.
QRegion unionOf(std::span<const PixelRect> rects)
{
    if (rects.empty())
        return {};
    if (rects.size() == 1)
        return QRect(rects[0].left, rects[0].top, rects[0].width(), rects[0].height());
    const std::size_t half = rects.size() / 2;
    return unionOf(rects.first(half)).united(unionOf(rects.subspan(half)));
}

} // namespace

QRegion toQRegion(const PixelRegion& region) { return unionOf(region.rects()); }

} // namespace hv::qt
