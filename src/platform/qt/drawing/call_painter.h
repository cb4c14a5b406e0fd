#pragma once
// Drawing calls painted with QPainter, antialiased, into one QImage in the
// window's font, all of it or within a region as frame reuse asks.
#include "drawing/frame_reuse.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

namespace hv::qt {

// One call painted with the painter's font, a text's top-left corner at
// ascent above its base line; a clear paints nothing, the image's owner
// wipes it.
void paintCall(QPainter& p, const DrawingCall& call, double ascent);
QRegion toQRegion(const PixelRegion& region);

class CallPainter : public FramePixels {
public:
    explicit CallPainter(const QFont& font);

    // A fresh image of size logical pixels (times the device pixel ratio)
    // filled with the colour given; with fits false, none.
    void resize(QSize size, qreal devicePixelRatio, Colour fill, bool fits);
    // The image with every call painted so far.
    const QImage& image();
    bool hasImage() const { return !image_.isNull(); }

    void wipe(Colour background) override;
    void paint(const DrawingCall& call) override;
    void redrawWithin(const PixelRegion& region, Colour background, std::span<const DrawingCall* const> calls) override;

private:
    QPainter& painter();
    void endPainting();

    QFont font_;
    double ascent_;
    QImage image_;
    // Kept open across the calls of a frame: opening one costs more than
    // most of the calls it serves.
    QPainter painter_;
};

} // namespace hv::qt
