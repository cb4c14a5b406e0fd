#pragma once
// A canvas that writes down every drawing call as one line of text, its
// name first, then its coordinates, then its attributes as key=value:
//   polygon 985 540 990 530 1254 538 1254 542 990 550 width=1 pen=16777215 fill=16777215
// It passes each call on to another canvas when given one, which then also
// answers the text metrics; alone it measures text as 9 by 19 pixels a
// character, like a 12 point bold face at 96 dots per inch.
#include "drawing/drawing_call.h"

#include <string>
#include <vector>

namespace hv {

class RecordingCanvas : public CallCanvas {
public:
    RecordingCanvas(int width, int height)
        : width_(width)
        , height_(height)
    {
    }
    explicit RecordingCanvas(CallCanvas& inner)
        : inner_(&inner)
        , width_(inner.width())
        , height_(inner.height())
    {
    }

    const std::vector<std::string>& ops() const { return ops_; }
    void forget() { ops_.clear(); }
    // For a window whose client area changes size.
    void resize(int width, int height)
    {
        width_ = width;
        height_ = height;
    }

    int width() const override { return width_; }
    int height() const override { return height_; }
    void draw(DrawingCall call) override;
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;

    static std::string number(double value);

private:
    CallCanvas* inner_ = nullptr;
    int width_;
    int height_;
    std::vector<std::string> ops_;
};

} // namespace hv
