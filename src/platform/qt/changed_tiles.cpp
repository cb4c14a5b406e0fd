#include "platform/qt/changed_tiles.h"

#include <algorithm>
#include <cstring>

namespace hv::qt {

QRegion copyChangedTiles(const QImage& drawn, QImage& shown)
{
    QRegion changed;
    const int width = drawn.width();
    const int height = drawn.height();
    for (int top = 0; top < height; top += kTileSize) {
        const int rows = std::min(kTileSize, height - top);
        for (int left = 0; left < width; left += kTileSize) {
            const int columns = std::min(kTileSize, width - left);
            const std::size_t bytes = static_cast<std::size_t>(columns) * 4;
            int row = 0;
            while (row < rows
                   && std::memcmp(drawn.constScanLine(top + row) + left * 4,
                                  shown.constScanLine(top + row) + left * 4, bytes) == 0)
                ++row;
            if (row == rows)
                continue;
            for (; row < rows; ++row)
                std::memcpy(shown.scanLine(top + row) + left * 4, drawn.constScanLine(top + row) + left * 4, bytes);
            changed += QRect(left, top, columns, rows);
        }
    }
    return changed;
}

} // namespace hv::qt
