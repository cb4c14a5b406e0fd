// Program paths as a user's folders may spell them. Whatever the path, the
// log-in entry's Exec value either is refused or, read back by the Desktop
// Entry rules (an independent reader, the tests' own), gives exactly that
// path as the one argument.
#include "check.h"
#include "platform/qt/session/desktop_entry.h"
#include "qt/desktop_entry_unquote.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView path(data, static_cast<qsizetype>(size));
    const std::optional<QByteArray> exec = hv::qt::desktopExecValue(path);
    // Tabs and line breaks are escaped in a value; other control characters
    // can stand in none.
    bool writable = path.isValidUtf8();
    for (const char c : path)
        writable
            = writable && (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') && c != 0x7f;
    if (!exec) {
        hv::fuzz::check(!writable, "a path a value can hold is never refused");
        return 0;
    }
    const auto arguments = hv::test::desktopExecArguments(exec->toStdString());
    hv::fuzz::check(arguments.has_value(), "the Exec value follows the rules");
    hv::fuzz::check(arguments->size() == 1 && (*arguments)[0] == std::string(path.data(), path.size()),
        "the Exec value gives back the path as one argument");
    return 0;
}
