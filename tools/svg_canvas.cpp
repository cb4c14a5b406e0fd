#include "svg_canvas.h"

#include "platform/qt/drawing/call_painter.h"
#include "platform/qt/drawing/qt_colour.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

namespace render_tool {

void SvgCanvas::draw(hv::DrawingCall call)
{
    inner_.draw(call);
    // A clear wipes what came before it.
    if (call.kind == hv::DrawingCall::Kind::Clear) {
        background_ = call.fill.value_or(background_);
        calls_.clear();
        return;
    }
    calls_.push_back(std::move(call));
}

bool SvgCanvas::write(QIODevice& out, const QString& title) const
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(width(), height()));
    svg.setViewBox(QRect(0, 0, width(), height()));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setFont(font_);
    p.fillRect(QRect(0, 0, width(), height()), hv::qt::toQColor(background_));
    const double ascent = QFontMetricsF(font_).ascent();
    for (const hv::DrawingCall& call : calls_) {
        if (call.kind != hv::DrawingCall::Kind::Text) {
            hv::qt::paintCall(p, call, ascent);
            continue;
        }
        QPainterPath outline;
        outline.addText(QPointF(call.x, call.y + ascent), font_, QString::fromStdString(call.text));
        p.resetTransform();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillPath(outline, hv::qt::toQColor(call.pen.colour));
    }
    return p.end();
}

} // namespace render_tool
