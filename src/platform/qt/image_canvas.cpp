#include "platform/qt/image_canvas.h"

#include "platform/qt/qt_colour.h"

#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

namespace hv::qt {

namespace {

// How far past its geometry an antialiased call may touch pixels.
constexpr int kSoftEdge = 2;
// A base of the wipe alone saves nothing over wiping again.
constexpr std::size_t kShortestBase = 2;
// How many frames before must have repeated what a first base holds.
constexpr std::size_t kFramesBeforeFirstBase = 4;

QPolygon toPolygon(const PointList& points)
{
    QPolygon polygon(static_cast<int>(points.size()));
    for (int i = 0; i < polygon.size(); ++i)
        polygon[i] = QPoint(points[i].x, points[i].y);
    return polygon;
}

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

void useForSoftEdge(QPainter& p, Colour colour)
{
    useForShapes(p, {1, colour}, std::nullopt);
}

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

// Copies the pixels of `region` (logical pixels) from one image to the
// other; both have the same size and a 32-bit format.
void copyRegion(const QImage& from, QImage& to, const QRegion& region)
{
    const qreal ratio = to.devicePixelRatio();
    const QRect whole = to.rect();
    for (const QRect& logical : region) {
        const QRect r = QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio)
                            .toAlignedRect()
                            .intersected(whole);
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(to.scanLine(y) + r.left() * 4, from.constScanLine(y) + r.left() * 4,
                        static_cast<std::size_t>(r.width()) * 4);
    }
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
        image = QImage(static_cast<uchar*>(buffer), pixels.width(), pixels.height(), bytesPerLine,
                       QImage::Format_RGB32, std::free, buffer);
    } else {
        image = QImage(pixels, QImage::Format_RGB32);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

qint64 ImageCanvas::imageBytes(QSize size, qreal devicePixelRatio)
{
    const QSize pixels = (QSizeF(size) * devicePixelRatio).toSize();
    return qint64{pixels.width()} * pixels.height() * 4;
}

ImageCanvas::ImageCanvas(const QFont& font) : font_(font), metrics_(font) {}

QPainter& ImageCanvas::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setFont(font_);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    return painter_;
}

void ImageCanvas::endPainting()
{
    if (painter_.isActive())
        painter_.end();
}

const QImage& ImageCanvas::image()
{
    finishFrame();
    endPainting();
    return image_;
}

void ImageCanvas::resize(QSize size, qreal devicePixelRatio, Colour fill)
{
    endPainting();
    size_ = size;
    const bool fits = imageBytes(size, devicePixelRatio) <= kMaxImageBytes;
    image_ = fits ? imageInHugePages(size, devicePixelRatio) : QImage();
    image_.fill(toQColor(fill));
    Call wipe{Kind::Clear, 0, 0, 0, {}, {}, {}, {}, {}};
    wipe.fill = fill;
    wipe.bounds = QRect(QPoint(), size);
    frame_ = {wipe};
    lastFrame_.clear();
    taken_.clear();
    clearedSinceTaken_ = true;
    // Touched now, while the window opens, rather than in the tick that
    // first needs it.
    base_ = fits ? imageInHugePages(size, devicePixelRatio) : QImage();
    base_.fill(0);
    baseCalls_.clear();
    overBase_ = QRegion();
    deferred_ = false;
    repeatingLast_ = false;
    divergences_.fill(0);
}

void ImageCanvas::clear(Colour background)
{
    Call wipe{Kind::Clear, 0, 0, 0, {}, {}, {}, {}, {}};
    wipe.fill = background;
    wipe.bounds = QRect(QPoint(), size_);
    if (repeatingLast_)
        noteDivergence(frame_.size() < lastFrame_.size() ? frame_.size() : SIZE_MAX);
    lastFrame_ = std::move(frame_);
    frame_ = {wipe};
    clearedSinceTaken_ = true;
    repeatingLast_ = !lastFrame_.empty() && lastFrame_.front() == wipe;
    if (!baseCalls_.empty() && baseCalls_.front() == wipe) {
        // The image keeps the last frame's pixels until a call differs
        // from the base.
        deferred_ = true;
    } else {
        baseCalls_.clear();
        deferred_ = false;
        endPainting();
        image_.fill(toQColor(background));
    }
    if (onDrawn_)
        onDrawn_();
}

void ImageCanvas::add(Call call)
{
    if (image_.isNull())
        return;
    frame_.push_back(std::move(call));
    const std::size_t i = frame_.size() - 1;
    const Call& added = frame_.back();
    const bool repeatsLast = repeatingLast_ && i < lastFrame_.size() && added == lastFrame_[i];
    const bool onBase = deferred_ && i < baseCalls_.size() && added == baseCalls_[i];
    if (deferred_ && !onBase) {
        deferred_ = false;
        catchUp(i);
    }
    if (repeatingLast_ && !repeatsLast) {
        // The first call in which this frame differs from the last: what
        // went before opened the last frames as well and will likely open
        // the next ones. A first base comes soon; a longer one only takes
        // in calls that stayed the same for a good while, so an hour hand
        // that moves every few seconds on a large dial is not taken in
        // only to be dropped again.
        const std::size_t frames = baseCalls_.empty() ? kFramesBeforeFirstBase : divergences_.size();
        const std::size_t repeatedBefore = *std::min_element(divergences_.end() - static_cast<std::ptrdiff_t>(frames),
                                                             divergences_.end());
        if (!deferred_ && i >= kShortestBase && i > baseCalls_.size() && repeatedBefore >= i)
            takeBase(i);
        noteDivergence(i);
    }
    repeatingLast_ = repeatsLast;
    if (!onBase)
        draw(added);
    if (onDrawn_)
        onDrawn_();
}

void ImageCanvas::noteDivergence(std::size_t index)
{
    std::rotate(divergences_.begin(), divergences_.begin() + 1, divergences_.end());
    divergences_.back() = index;
}

void ImageCanvas::catchUp(std::size_t n)
{
    if (n == baseCalls_.size()) {
        copyRegion(base_, image_, overBase_);
        overBase_ = QRegion();
        return;
    }
    // Fewer calls than the base holds: redraw them. If the frame goes on
    // with a call the base does not have, the base is out of date.
    const bool frameEnded = n == frame_.size();
    redrawFrame(n);
    if (frameEnded)
        overBase_ = QRect(QPoint(), size_);
    else if (n >= kShortestBase)
        takeBase(n);
    else
        baseCalls_.clear();
}

void ImageCanvas::redrawFrame(std::size_t n)
{
    endPainting();
    image_.fill(toQColor(*frame_.front().fill));
    for (std::size_t k = 1; k < n; ++k)
        execute(frame_[k]);
}

void ImageCanvas::takeBase(std::size_t n)
{
    endPainting();
    std::memcpy(base_.bits(), image_.constBits(), static_cast<std::size_t>(image_.sizeInBytes()));
    baseCalls_.assign(frame_.begin(), frame_.begin() + static_cast<std::ptrdiff_t>(n));
    overBase_ = QRegion();
}

void ImageCanvas::finishFrame()
{
    if (!deferred_)
        return;
    deferred_ = false;
    catchUp(frame_.size());
}

void ImageCanvas::draw(const Call& call)
{
    execute(call);
    if (!baseCalls_.empty())
        overBase_ += call.bounds;
}

void ImageCanvas::execute(const Call& call)
{
    QPainter& p = painter();
    switch (call.kind) {
    case Kind::Clear:
        break;
    case Kind::Pixel:
        p.resetTransform();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(call.bounds.boundingRect(), toQColor(call.pen.colour));
        break;
    case Kind::Circle:
        drawCircle(p, QPointF(call.x, call.y), call.radius, call.pen, call.fill);
        break;
    case Kind::Polyline:
        useForShapes(p, call.pen, std::nullopt);
        p.drawPolyline(toPolygon(call.points));
        break;
    case Kind::Polygon: {
        const QPolygon polygon = toPolygon(call.points);
        if (call.fill && call.pen.width <= 1) {
            useForInside(p, *call.fill);
            p.drawPolygon(polygon);
            useForSoftEdge(p, call.pen.colour);
        } else {
            useForShapes(p, call.pen, call.fill);
        }
        p.drawPolygon(polygon);
        break;
    }
    case Kind::Text:
        p.resetTransform();
        p.setPen(toQColor(call.pen.colour));
        p.drawText(QPointF(call.x, call.y + metrics_.ascent()), QString::fromStdString(call.text));
        break;
    }
}

QRegion ImageCanvas::takeChanges()
{
    finishFrame();
    QRegion changes;
    const std::size_t taken = taken_.size();
    if (!clearedSinceTaken_) {
        // Only calls on top of what was there.
        for (std::size_t i = taken; i < frame_.size(); ++i)
            changes += frame_[i].bounds;
    } else if (taken == 0 || !(frame_.front() == taken_.front())) {
        changes = QRect(QPoint(), size_);
    } else {
        for (std::size_t i = 1; i < std::max(taken, frame_.size()); ++i) {
            const bool now = i < frame_.size(), before = i < taken;
            if (now && before && frame_[i] == taken_[i])
                continue;
            if (now)
                changes += frame_[i].bounds;
            if (before)
                changes += taken_[i].bounds;
        }
    }
    taken_ = frame_;
    clearedSinceTaken_ = false;
    return changes;
}

void ImageCanvas::setPixel(double x, double y, Colour colour)
{
    Call call{Kind::Pixel, x, y, 0, {}, {}, {}, {}, {}};
    call.pen.colour = colour;
    call.bounds = QRect(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)), 1, 1);
    add(std::move(call));
}

void ImageCanvas::circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill)
{
    Call call{Kind::Circle, cx, cy, radius, outline, fill, {}, {}, {}};
    call.bounds = around(QRectF(cx - radius, cy - radius, 2 * radius, 2 * radius), outline.width);
    add(std::move(call));
}

void ImageCanvas::polyline(std::span<const Point> points, Pen pen)
{
    Call call{Kind::Polyline, 0, 0, 0, {}, {}, {}, {}, {}};
    call.pen = pen;
    call.points.assign(points.begin(), points.end());
    call.bounds = bandsAround(call.points, false, pen.width);
    add(std::move(call));
}

void ImageCanvas::polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill)
{
    Call call{Kind::Polygon, 0, 0, 0, {}, {}, {}, {}, {}};
    call.pen = outline;
    call.fill = fill;
    call.points.assign(points.begin(), points.end());
    call.bounds = bandsAround(call.points, true, outline.width);
    add(std::move(call));
}

void ImageCanvas::print(double x, double y, std::string_view text, Colour colour)
{
    Call call{Kind::Text, x, y, 0, {}, {}, {}, {}, {}};
    call.pen.colour = colour;
    call.text = std::string(text);
    // Glyphs may reach a little past their advance and their line.
    const TextExtent& extent = extentOf(text);
    const QRectF box = extent.ink.translated(x, y + metrics_.ascent()).united(QRectF(x, y, extent.advance, metrics_.height()));
    call.bounds = around(box, 1);
    add(std::move(call));
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
