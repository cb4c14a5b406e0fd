#pragma once
// Qt's INI format, read and written by QSettings itself but on bytes the
// caller reads and writes: the file's own input and output stay with the
// caller, and what is written stays byte for byte what Qt always wrote.
// QSettings works on a private copy for each call.
#include <QByteArray>
#include <QMap>
#include <QTemporaryDir>
#include <QVariant>

#include <optional>

namespace hv::qt {

class IniCodec {
public:
    // "group/key" and the value as QSettings reads them.
    using Values = QMap<QString, QVariant>;

    // Nothing when no private copy could be made.
    std::optional<Values> decode(QByteArrayView ini);
    // The text with these values set in it, as QSettings writes it.
    std::optional<QByteArray> encode(QByteArrayView ini, const QMap<QString, QString>& changes);

private:
    // A fresh name each time: Qt caches what it read by file name.
    std::optional<QString> privateCopy(QByteArrayView ini);

    QTemporaryDir dir_;
    int copies_ = 0;
};

} // namespace hv::qt
