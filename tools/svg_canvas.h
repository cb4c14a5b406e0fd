#pragma once
// A canvas that keeps the calls of one frame and writes them as an SVG
// picture, passing each on to another canvas, which answers the text
// metrics, so the picture is laid out exactly as that canvas draws.
#include "drawing/drawing_call.h"

#include <QFont>
#include <QIODevice>
#include <QString>

#include <vector>

namespace render_tool {

class SvgCanvas : public hv::CallCanvas {
public:
    SvgCanvas(hv::CallCanvas& inner, const QFont& font)
        : inner_(inner)
        , font_(font)
    {
    }

    int width() const override { return inner_.width(); }
    int height() const override { return inner_.height(); }
    void draw(hv::DrawingCall call) override;
    double textWidth(std::string_view text) const override { return inner_.textWidth(text); }
    double textHeight(std::string_view text) const override { return inner_.textHeight(text); }

    // The calls so far, the background first, its text as outlines so the
    // picture looks the same wherever the font is missing. False when the
    // picture could not be painted.
    bool write(QIODevice& out, const QString& title) const;

private:
    hv::CallCanvas& inner_;
    QFont font_;
    hv::Colour background_ = 0;
    std::vector<hv::DrawingCall> calls_;
};

} // namespace render_tool
