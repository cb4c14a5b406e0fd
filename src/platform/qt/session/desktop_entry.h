#pragma once
// The text of a desktop entry's values, as the Desktop Entry rules have
// launchers read them back.
#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace hv::qt {

// A text as a key's value: UTF-8, with the backslash and the line breaks
// escaped. Nothing for other control characters, which a value cannot hold
// at all, or for a text that is not UTF-8.
std::optional<QByteArray> desktopKeyValue(QByteArrayView text);

// The Exec value that starts the program at this path with no arguments,
// whatever the path holds; nothing for a path no entry can hold.
std::optional<QByteArray> desktopExecValue(QByteArrayView programPath);

} // namespace hv::qt
