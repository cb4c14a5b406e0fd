#include "platform/qt/windows/qt_cursor.h"

#include "platform/qt/storage/small_file.h"
#include "runtime/runtime.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

namespace hv::qt {

namespace {

// The file's header: reserved word, type (1 icon, 2 cursor), image count,
// then one 16-byte directory entry per image, whose words at 4 and 6 are
// the hotspot in a cursor.
constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kIconType = 1;
constexpr int kCursorType = 2;
// Windows' largest cursor, 256 x 256 at 32 bits with its mask, is under
// 300 KB; a file well beyond that is no cursor.
constexpr qint64 kMaxFileSize = 1 << 20;

int word(const QByteArray& bytes, int at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

} // namespace

QCursor readCursorFile(const std::string& path)
{
    QByteArray bytes = readSmallFileOrRaise(QString::fromStdString(path), kMaxFileSize, RuntimeError::invalidPicture());

    if (bytes.size() < kHeaderSize + kEntrySize || word(bytes, 0) != 0 || word(bytes, 4) < 1)
        throw RuntimeError::invalidPicture();
    const int type = word(bytes, 2);
    if (type != kIconType && type != kCursorType)
        throw RuntimeError::invalidPicture();

    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, type == kCursorType ? "cur" : "ico");
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError::invalidPicture();
    if (type == kIconType)
        return QCursor(QPixmap::fromImage(image));
    return QCursor(QPixmap::fromImage(image), word(bytes, kHeaderSize + 4), word(bytes, kHeaderSize + 6));
}

} // namespace hv::qt
