#pragma once
// What the front-end tests of files beside the program share.
#include "front_end_test_support.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <functional>

namespace hv::test {

// A cursor file as the ICO writer makes it, turned into a cursor with its
// hotspot the way a real one carries it.
inline QByteArray cursorFile(int hotX, int hotY)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ico");
    QByteArray bytes = buffer.data();
    bytes[2] = 2;
    bytes[10] = static_cast<char>(hotX);
    bytes[12] = static_cast<char>(hotY);
    return bytes;
}

} // namespace hv::test
