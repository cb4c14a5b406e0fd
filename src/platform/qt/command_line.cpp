#include "platform/qt/command_line.h"

#include "horavista_version.h"

#include <QCommandLineParser>

#include <limits>

namespace hv::qt {

namespace {

constexpr const char* kUsage = "Usage: horavista [--help | --version]\n"
                               "       horavista --window-id ID | --root\n"
                               "Horavista turns the whole screen into an analog clock. It opens its options window,\n"
                               "or, when it is set to start at log-in, the clock itself; Esc closes the clock.\n"
                               "Options are kept in $XDG_CONFIG_HOME/Quellmark/Horavista.ini.\n"
                               "\n"
                               "As a display mode of xscreensaver (X11 only) it draws the clock into the window\n"
                               "the options name, fitted to its size, and ends when that window goes.\n"
                               "\n"
                               "  -h, --help        show this help and end\n"
                               "  -v, --version     show the version and end\n"
                               "  --window-id ID    draw the clock into the X window ID (decimal or 0x hex)\n"
                               "  --root            draw the clock into the window xscreensaver hands over in\n"
                               "                    XSCREENSAVER_WINDOW, else into the root window\n";

// xscreensaver hands its display modes options with one dash, as X
// programs take them.
QStringList withLongOptions(QStringList arguments)
{
    for (QString& argument : arguments)
        if (argument == "-root" || argument == "-window-id" || argument.startsWith("-window-id="))
            argument.prepend('-');
    return arguments;
}

// A window id as xscreensaver and xwininfo write one: decimal or 0x hex.
std::optional<std::uintptr_t> windowId(const QString& text)
{
    const bool hex = text.startsWith("0x", Qt::CaseInsensitive);
    bool ok = false;
    const qulonglong id = (hex ? text.mid(2) : text).toULongLong(&ok, hex ? 16 : 10);
    // X keeps its ids in 32 bits.
    if (!ok || id == 0 || id > std::numeric_limits<std::uint32_t>::max() || text.trimmed() != text)
        return std::nullopt;
    return static_cast<std::uintptr_t>(id);
}

CommandLineAnswer refusal(const QString& reason)
{
    return {2, {}, "horavista: " + reason.simplified() + " Try --help.\n"};
}

} // namespace

CommandLineAnswer answerCommandLine(const QStringList& arguments, const QString& screenSaverWindow)
{
    // Read before the application object exists, so the parser cannot
    // print or exit on its own: the answers are made here.
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption window("window-id", {}, "ID");
    const QCommandLineOption root("root");
    parser.addOptions({window, root});
    QString refused;
    if (!parser.parse(withLongOptions(arguments)))
        refused = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        refused = QString("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!refused.isEmpty())
        return refusal(refused);
    if (parser.isSet(help) || parser.isSet("help-all"))
        return {0, kUsage, {}};
    if (parser.isSet(version))
        return {0, QString("horavista %1\n").arg(kVersion), {}};

    // The window given on the command line; with --root, the one the daemon
    // hands over, else the root window: xscreensaver starts a display mode
    // with --root and the window to use in XSCREENSAVER_WINDOW. A plain start
    // never looks at the variable, so one left in a session cannot keep the
    // options window away.
    const bool given = parser.isSet(window);
    const QString id = given ? parser.value(window) : parser.isSet(root) ? screenSaverWindow : QString();
    if (given || !id.isEmpty()) {
        if (const auto host = windowId(id))
            return {{}, {}, {}, host};
        return refusal(QString("%1 '%2' is not a window id (a decimal or 0x hex number other than 0).")
                           .arg(given ? "--window-id" : "XSCREENSAVER_WINDOW", id));
    }
    if (parser.isSet(root))
        return {{}, {}, {}, 0};
    return {};
}

} // namespace hv::qt
