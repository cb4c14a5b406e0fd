#pragma once
// What the front-end tests of files beside the program share.
#include "platform/runtime.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <functional>

namespace hv::test {

// The number of the run-time error fn raises, or 0 when it raises none.
inline int errorNumber(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

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
