#include "platform/qt/session/desktop_entry.h"

namespace hv::qt {

std::optional<QByteArray> desktopKeyValue(QByteArrayView text)
{
    if (!text.isValidUtf8())
        return {};
    QByteArray value;
    for (const char c : text) {
        switch (c) {
        case '\\': value += "\\\\"; break;
        case '\n': value += "\\n"; break;
        case '\t': value += "\\t"; break;
        case '\r': value += "\\r"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                return {};
            value += c;
        }
    }
    return value;
}

// The program as one argument in double quotes: the four characters still
// special inside the quotes take a backslash, and % is doubled so that no
// launcher reads a field code in it. Quoting is undone after the file's own
// escapes, so a backslash in the path ends up as four in the file.
std::optional<QByteArray> desktopExecValue(QByteArrayView programPath)
{
    QByteArray command = "\"";
    for (const char c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            command += '\\';
        command += c;
        if (c == '%')
            command += '%';
    }
    command += '"';
    return desktopKeyValue(command);
}

} // namespace hv::qt
