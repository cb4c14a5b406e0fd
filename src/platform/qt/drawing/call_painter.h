#pragma once
// Drawing calls painted with QPainter, antialiased, into one QImage in the
// window's font, with a copy of the image kept aside as frame reuse asks.
#include "drawing/frame_reuse.h"

#include <QFont>
#include <QImage>
#include <QPainter>

namespace hv::qt {

// One call painted with the painter's font, a text's top-left corner at
// ascent above its base line; a clear paints nothing, the image's owner
// wipes it.
void paintCall(QPainter& p, const DrawingCall& call, double ascent);

class CallPainter : public FramePixels {
public:
    explicit CallPainter(const QFont& font);

    // A fresh image and base of size logical pixels (times the device
    // pixel ratio), the image filled with the colour given; with fits
    // false, none.
    void resize(QSize size, qreal devicePixelRatio, Colour fill, bool fits);
    // The image with every call painted so far.
    const QImage& image();
    bool hasImage() const { return !image_.isNull(); }

    void wipe(Colour background) override;
    void paint(const DrawingCall& call) override;
    void keepAsBase() override;
    void putBackBase(const PixelRegion& region) override;

private:
    QPainter& painter();
    void endPainting();

    QFont font_;
    double ascent_;
    QImage image_;
    QImage base_;
    // Kept open across the calls of a frame: opening one costs more than
    // most of the calls it serves.
    QPainter painter_;
};

} // namespace hv::qt
