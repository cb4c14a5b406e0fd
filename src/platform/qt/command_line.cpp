#include "platform/qt/command_line.h"

#include "horavista_version.h"

#include <QCommandLineParser>

namespace hv::qt {

namespace {

constexpr const char* kUsage = "Usage: horavista [--help | --version]\n"
                               "Horavista turns the whole screen into an analog clock. It opens its options window,\n"
                               "or, when it is set to start at log-in, the clock itself; Esc closes the clock.\n"
                               "Options are kept in $XDG_CONFIG_HOME/Quellmark/Horavista.ini.\n"
                               "\n"
                               "  -h, --help     show this help and end\n"
                               "  -v, --version  show the version and end\n";

} // namespace

CommandLineAnswer answerCommandLine(const QStringList& arguments)
{
    // Read before the application object exists, so the parser cannot
    // print or exit on its own: the answers are made here.
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QString refused;
    if (!parser.parse(arguments))
        refused = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        refused = QString("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!refused.isEmpty())
        return {2, {}, "horavista: " + refused.simplified() + " Try --help.\n"};
    if (parser.isSet(help) || parser.isSet("help-all"))
        return {0, kUsage, {}};
    if (parser.isSet(version))
        return {0, QString("horavista %1\n").arg(kVersion), {}};
    return {};
}

} // namespace hv::qt
