#include "platform/qt/drawing/call_painter.h"

#include "platform/qt/drawing/qt_colour.h"

#include <QPainterPath>
#include <QPolygon>

#include <cmath>

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

void paintWithin(
    QPainter& p, const QRect& rect, Colour background, std::span<const DrawingCall* const> calls, double ascent)
{
    // Set while the painter has no transform of its own, so it lies on
    // the logical pixels the calls are placed on; the wipe under it, so
    // that at a fractional device pixel ratio it takes the same device
    // pixels as the calls.
    p.resetTransform();
    p.setClipRect(rect);
    p.fillRect(rect, toQColor(background));
    for (const DrawingCall* call : calls)
        paintCall(p, *call, ascent);
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
