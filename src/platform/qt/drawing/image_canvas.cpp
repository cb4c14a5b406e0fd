#include "platform/qt/drawing/image_canvas.h"

#include "drawing/call_bounds.h"
#include "drawing/image_limit.h"

#include <utility>

namespace hv::qt {

ImageCanvas::ImageCanvas(const QFont& font)
    : metrics_(font)
    , painter_(font)
{
}

const QImage& ImageCanvas::image()
{
    reuse_.finish();
    return painter_.image();
}

void ImageCanvas::resize(QSize size, qreal devicePixelRatio, Colour fill)
{
    size_ = size;
    painter_.resize(size, devicePixelRatio, fill, fitsImageLimit(size.width(), size.height(), devicePixelRatio));
    reuse_.restart(size.width(), size.height(), fill);
}

void ImageCanvas::draw(DrawingCall call)
{
    if (call.kind == DrawingCall::Kind::Clear) {
        reuse_.clear(*call.fill);
    } else if (!painter_.hasImage()) {
        return;
    } else {
        PixelRegion bounds = boundsOf(call);
        reuse_.add(std::move(call), std::move(bounds));
    }
    if (onDrawn_)
        onDrawn_();
}

PixelRegion ImageCanvas::boundsOf(const DrawingCall& call) const
{
    if (call.kind != DrawingCall::Kind::Text)
        return shapeBounds(call, size_.width(), size_.height());
    const TextExtent& extent = extentOf(call.text);
    const QRectF box = extent.ink.translated(call.x, call.y + metrics_.ascent())
                           .united(QRectF(call.x, call.y, extent.advance, metrics_.height()));
    return textBounds({box.left(), box.top(), box.right(), box.bottom()});
}

QRegion ImageCanvas::takeChanges() { return toQRegion(reuse_.takeChanges()); }

const ImageCanvas::TextExtent& ImageCanvas::extentOf(std::string_view text) const
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

double ImageCanvas::textWidth(std::string_view text) const { return extentOf(text).advance; }

double ImageCanvas::textHeight(std::string_view) const { return metrics_.height(); }

} // namespace hv::qt
