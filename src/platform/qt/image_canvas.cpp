#include "platform/qt/image_canvas.h"

#include "platform/qt/qt_colour.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

namespace hv::qt {

namespace {

// Shapes are placed with whole coordinates on pixel centres, as on the
// classic drawing surface, so a 1-pixel line covers one row of pixels.
class ShapePainter : public QPainter {
public:
    explicit ShapePainter(QImage& image) : QPainter(&image)
    {
        setRenderHint(QPainter::Antialiasing);
        translate(0.5, 0.5);
    }
    void use(Pen pen, std::optional<Colour> fill)
    {
        QPen qpen(toQColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        setPen(qpen);
        setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
    }
    // Qt's antialiased fill costs far more per scanline than its aliased
    // fill or its 1-pixel antialiased lines, and a full-screen dial has a
    // thousand scanlines. So an inside that an outline will edge anyway is
    // filled aliased; the outline drawn over it gives the soft edge.
    void fillInside(Colour colour)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setPen(Qt::NoPen);
        setBrush(toQColor(colour));
    }
    void softLines(Colour colour)
    {
        setRenderHint(QPainter::Antialiasing, true);
        use({1, colour}, std::nullopt);
    }
};

QPolygon toPolygon(std::span<const Point> points)
{
    QPolygon polygon(static_cast<int>(points.size()));
    for (int i = 0; i < polygon.size(); ++i)
        polygon[i] = QPoint(points[i].x, points[i].y);
    return polygon;
}

} // namespace

ImageCanvas::ImageCanvas(const QFont& font) : font_(font), metrics_(font) {}

void ImageCanvas::resize(QSize size, qreal devicePixelRatio, Colour fill)
{
    size_ = size;
    image_ = QImage(size * devicePixelRatio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(toQColor(fill));
}

void ImageCanvas::clear(Colour background)
{
    image_.fill(toQColor(background));
    drawn();
}

void ImageCanvas::setPixel(double x, double y, Colour colour)
{
    QPainter painter(&image_);
    painter.fillRect(QRectF(std::floor(x), std::floor(y), 1, 1), toQColor(colour));
    drawn();
}

void ImageCanvas::circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill)
{
    ShapePainter painter(image_);
    const QPointF centre(cx, cy);
    if (outline.width > 1 && radius <= outline.width) {
        // Too small for a ring with an inside: Qt's own stroke.
        painter.use(outline, fill);
        painter.drawEllipse(centre, radius, radius);
        drawn();
        return;
    }
    if (fill) {
        painter.fillInside(*fill);
        painter.drawEllipse(centre, radius, radius);
    }
    if (outline.width <= 1) {
        painter.softLines(outline.colour);
        painter.drawEllipse(centre, radius, radius);
    } else {
        // A wide outline: the pixels whose centres lie within it are filled
        // whole, and a 1-pixel soft circle on each of its edges gives them
        // the coverage an antialiased stroke would.
        const double half = (outline.width - 1) / 2.0;
        QPainterPath ring;
        ring.addEllipse(centre, radius + half, radius + half);
        ring.addEllipse(centre, radius - half, radius - half);
        painter.fillInside(outline.colour);
        painter.drawPath(ring);
        painter.softLines(outline.colour);
        painter.drawEllipse(centre, radius + half, radius + half);
        painter.drawEllipse(centre, radius - half, radius - half);
    }
    drawn();
}

void ImageCanvas::polyline(std::span<const Point> points, Pen pen)
{
    ShapePainter painter(image_);
    painter.use(pen, std::nullopt);
    painter.drawPolyline(toPolygon(points));
    drawn();
}

void ImageCanvas::polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill)
{
    ShapePainter painter(image_);
    const QPolygon polygon = toPolygon(points);
    if (fill && outline.width <= 1) {
        painter.fillInside(*fill);
        painter.drawPolygon(polygon);
        painter.softLines(outline.colour);
    } else {
        painter.use(outline, fill);
    }
    painter.drawPolygon(polygon);
    drawn();
}

void ImageCanvas::print(double x, double y, std::string_view text, Colour colour)
{
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font_);
    painter.setPen(toQColor(colour));
    painter.drawText(QPointF(x, y + metrics_.ascent()), QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    drawn();
}

double ImageCanvas::textWidth(std::string_view text) const
{
    return metrics_.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

double ImageCanvas::textHeight(std::string_view) const
{
    return metrics_.height();
}

} // namespace hv::qt
