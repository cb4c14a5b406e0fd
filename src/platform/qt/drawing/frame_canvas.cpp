#include "platform/qt/drawing/frame_canvas.h"

#include "drawing/call_bounds.h"
#include "drawing/image_limit.h"
#include "platform/qt/drawing/call_painter.h"

#include <utility>

namespace hv::qt {

FrameCanvas::FrameCanvas(const QFont& font)
    : font_(font)
    , metrics_(font)
{
}

void FrameCanvas::resize(QSize size, Colour fill)
{
    size_ = size;
    frame_.restart(size.width(), size.height(), fill);
}

void FrameCanvas::paint(QPainter& p, const QRegion& region) const
{
    PixelRegion pixels;
    for (const QRect& r : region)
        pixels += PixelRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    p.setFont(font_);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double ascent = metrics_.ascent();
    redrawByRect(pixels, frame_.calls(),
        [&](const PixelRect& rect, Colour background, std::span<const DrawingCall* const> calls) {
            paintWithin(p, QRect(rect.left, rect.top, rect.width(), rect.height()), background, calls, ascent);
        });
}

QImage FrameCanvas::image(qreal devicePixelRatio) const
{
    if (!fitsImageLimit(width(), height(), devicePixelRatio))
        return {};
    QImage image((QSizeF(size_) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&image);
    paint(p, QRect(QPoint(), size_));
    return image;
}

void FrameCanvas::draw(DrawingCall call)
{
    if (call.kind == DrawingCall::Kind::Clear) {
        frame_.clear(*call.fill);
    } else {
        PixelRegion bounds = boundsOf(call);
        frame_.add(std::move(call), std::move(bounds));
    }
    if (onDrawn_)
        onDrawn_();
}

PixelRegion FrameCanvas::boundsOf(const DrawingCall& call) const
{
    if (call.kind != DrawingCall::Kind::Text)
        return shapeBounds(call, size_.width(), size_.height());
    const TextExtent& extent = extentOf(call.text);
    const QRectF box = extent.ink.translated(call.x, call.y + metrics_.ascent())
                           .united(QRectF(call.x, call.y, extent.advance, metrics_.height()));
    return textBounds({box.left(), box.top(), box.right(), box.bottom()});
}

QRegion FrameCanvas::takeChanges() { return toQRegion(frame_.takeChanges()); }

const FrameCanvas::TextExtent& FrameCanvas::extentOf(std::string_view text) const
{
    auto it = extents_.find(text);
    if (it == extents_.end()) {
        const QString qtext = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
        it = extents_
                 .emplace(
                     std::string(text), TextExtent{metrics_.horizontalAdvance(qtext), metrics_.boundingRect(qtext)})
                 .first;
    }
    return it->second;
}

double FrameCanvas::textWidth(std::string_view text) const { return extentOf(text).advance; }

double FrameCanvas::textHeight(std::string_view) const { return metrics_.height(); }

} // namespace hv::qt
