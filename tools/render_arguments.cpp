#include "render_arguments.h"

#include "horavista_version.h"
#include "platform/qt/image_canvas.h"

#include <QCommandLineParser>
#include <QDateTime>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace render_tool {

namespace {

constexpr const char* kUsage =
    "usage: horavista-render --size WxH [--time HH:MM:SS[.fff] | [--zone KEY] [--at YYYY-MM-DDTHH:MM:SSZ]]\n"
    "                        [--clock-color N] [--background N] (--png FILE | --svg FILE | --ops)\n"
    "       horavista-render --list-zones\n"
    "       horavista-render --version\n"
    "Without --time the frame shows the time at the instant --at gives (UTC), or now, in the zone\n"
    "KEY of the time-zone list, or the computer's own. Colours are decimal values as the options\n"
    "store them (red + 256*green + 65536*blue); without them, the stored options' colours are used.\n"
    "--list-zones prints the time-zone list in the options window's order, one zone a line:\n"
    "position, key, display text and bias in minutes, separated by tabs; the zone the list\n"
    "starts on when no choice is stored (the computer's own) has a fifth field, start.\n"
    "--svg writes the frame as a scalable picture, its text as outlines.\n";

std::optional<double> parseTime(const std::string& text)
{
    int h = 0, m = 0;
    double s = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d:%lf%n", &h, &m, &s, &used) != 3 || used != static_cast<int>(text.size())
        || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s >= 60)
        return std::nullopt;
    return h * 3600.0 + m * 60.0 + s;
}

// "2026-07-01T12:00:00Z" as milliseconds since the epoch.
std::optional<std::int64_t> parseInstant(const std::string& text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ%n", &y, &mo, &d, &h, &mi, &s, &used) != 6
        || used != static_cast<int>(text.size()))
        return std::nullopt;
    const QDate date(y, mo, d);
    const QTime time(h, mi, s);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
}

// WIDTHxHEIGHT, each side and the image within the clock's limits.
void takeSize(Options& o, const std::string& text)
{
    char x = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%n", &o.width, &x, &o.height, &used) != 3 || x != 'x'
        || used != static_cast<int>(text.size()) || o.width <= 0 || o.height <= 0 || o.width > 16384
        || o.height > 16384)
        fail("--size takes WIDTHxHEIGHT in pixels, each 1 to 16384, as 1920x1080");
    using hv::qt::ImageCanvas;
    constexpr qint64 kMegabyte = 1'000'000;
    if (const qint64 bytes = ImageCanvas::imageBytes(QSize(o.width, o.height), 1.0); bytes > ImageCanvas::kMaxImageBytes)
        fail("--size " + text + " would need an image of " + std::to_string(bytes / kMegabyte)
             + " MB; the clock draws into images of " + std::to_string(ImageCanvas::kMaxImageBytes / kMegabyte)
             + " MB at the most");
}

// An option the tool takes and what it does with the value given (empty
// for an option that takes none).
struct Declared {
    QCommandLineOption option;
    std::function<void(Options&, const std::string&)> take;
};

std::vector<Declared> declaredOptions()
{
    return {
        {QCommandLineOption("size", {}, "WxH"), takeSize},
        {QCommandLineOption("time", {}, "HH:MM:SS"),
         [](Options& o, const std::string& v) {
             o.time = parseTime(v);
             if (!o.time)
                 fail("--time takes HH:MM:SS or HH:MM:SS.fff");
         }},
        {QCommandLineOption("zone", {}, "KEY"), [](Options& o, const std::string& v) { o.zone = v; }},
        {QCommandLineOption("at", {}, "YYYY-MM-DDTHH:MM:SSZ"),
         [](Options& o, const std::string& v) {
             o.atMs = parseInstant(v);
             if (!o.atMs)
                 fail("--at takes an instant in UTC as YYYY-MM-DDTHH:MM:SSZ");
         }},
        {QCommandLineOption("list-zones"), [](Options& o, const std::string&) { o.listZones = true; }},
        {QCommandLineOption("clock-color", {}, "N"), [](Options& o, const std::string& v) { o.clockColour = v; }},
        {QCommandLineOption("background", {}, "N"), [](Options& o, const std::string& v) { o.background = v; }},
        {QCommandLineOption("png", {}, "FILE"), [](Options& o, const std::string& v) { o.png = v; }},
        {QCommandLineOption("svg", {}, "FILE"), [](Options& o, const std::string& v) { o.svg = v; }},
        {QCommandLineOption("ops"), [](Options& o, const std::string&) { o.ops = true; }},
        {QCommandLineOption("version"),
         [](Options&, const std::string&) {
             std::printf("horavista-render %s\n", hv::kVersion);
             std::exit(0);
         }},
        {QCommandLineOption(QStringList{"h", "help"}),
         [](Options&, const std::string&) {
             std::fputs(kUsage, stdout);
             std::exit(0);
         }},
    };
}

// The option an argument names: "size" for "--size", "-size" and
// "--size=1x1", as the parser reads it; none for an argument that is no
// option.
QString optionName(const QString& argument)
{
    return argument.startsWith('-') ? argument.mid(argument.startsWith("--") ? 2 : 1).section('=', 0, 0) : QString();
}

// Why the parser stopped, with the argument named as it was given: an
// option the tool does not take, a value given to an option that takes
// none (--ops=1), or else a value missing at the end.
[[noreturn]] void refuse(const QCommandLineParser& parser, const std::vector<Declared>& declared,
                         const QStringList& given)
{
    auto first = [&](const auto& matches) {
        const auto found = std::find_if(given.begin(), given.end(), matches);
        return found == given.end() ? std::string() : found->toStdString();
    };
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        fail("unknown argument " + first([&](const QString& a) { return optionName(a) == unknown.first(); }));
    const std::string valueGiven = first([&](const QString& a) {
        return a.contains('=') && std::any_of(declared.begin(), declared.end(), [&](const Declared& d) {
                   return d.option.valueName().isEmpty() && d.option.names().contains(optionName(a));
               });
    });
    if (!valueGiven.empty())
        fail("unknown argument " + valueGiven);
    fail(given.last().toStdString() + " needs a value");
}

} // namespace

Options parseArguments(const QStringList& arguments)
{
    const std::vector<Declared> declared = declaredOptions();
    QCommandLineParser parser;
    // "-x" names the option x, as "--x" does.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Declared& d : declared)
        parser.addOption(d.option);
    if (!parser.parse(arguments))
        refuse(parser, declared, arguments.mid(1));
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        fail("unknown argument " + extra.first().toStdString());
    // In the order given, so that the first value that is wrong is the one
    // named, and a repeated option's last value holds.
    Options o;
    std::map<const Declared*, qsizetype> taken;
    for (const QString& name : parser.optionNames()) {
        const Declared& d = *std::find_if(declared.begin(), declared.end(),
                                          [&](const Declared& d) { return d.option.names().contains(name); });
        d.take(o, parser.values(d.option).value(taken[&d]++).toStdString());
    }
    if (o.listZones)
        return o;
    if (o.width == 0)
        fail("--size is required");
    if (o.time && (o.zone || o.atMs))
        fail("--time is the time shown; it takes no --zone or --at");
    if (int{o.ops} + int{o.png.has_value()} + int{o.svg.has_value()} != 1)
        fail("give one of --png FILE, --svg FILE or --ops");
    return o;
}

void fail(const std::string& message)
{
    std::fprintf(stderr, "horavista-render: %s\n%s", message.c_str(), kUsage);
    std::exit(2);
}

} // namespace render_tool
