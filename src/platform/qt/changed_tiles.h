#pragma once
// Each frame is drawn whole, but between two frames of a clock little
// changes: copying only the tiles that differ into the shown image lets a
// window repaint just those, which keeps the display server's work small.
#include <QImage>
#include <QRegion>

namespace hv::qt {

inline constexpr int kTileSize = 64;

// Copies every tile of `drawn` that differs from `shown` into `shown` and
// returns the region they cover, in device pixels. Both images must have
// the same size and a 32-bit format.
QRegion copyChangedTiles(const QImage& drawn, QImage& shown);

} // namespace hv::qt
