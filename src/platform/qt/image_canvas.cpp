#include "platform/qt/image_canvas.h"

#include "platform/qt/qt_colour.h"

#include <QPainter>

#include <cmath>
#include <QPolygon>

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
    painter.use(outline, fill);
    painter.drawEllipse(QPointF(cx, cy), radius, radius);
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
    painter.use(outline, fill);
    painter.drawPolygon(toPolygon(points));
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
