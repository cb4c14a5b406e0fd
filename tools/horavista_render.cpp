// horavista-render: draws one frame of the clock through the program's own
// drawing code, into a PNG file or as a list of drawing calls, for the
// computer's own time or a zone's; and lists the zones the options window
// offers, in its order.
#include "clock/frame.h"
#include "clock/geometry.h"
#include "platform/console_messages.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/list_order.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_system_info.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/tz_database_registry.h"
#include "platform/qt/zone_time_of_day.h"
#include "platform/recording_canvas.h"
#include "platform/runtime.h"
#include "shared/settings_keys.h"
#include "tz/own_zone.h"
#include "tz/time_zone_catalogue.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: horavista-render --size WxH [--time HH:MM:SS[.fff] | [--zone KEY] [--at YYYY-MM-DDTHH:MM:SSZ]]\n"
    "                        [--clock-color N] [--background N] (--png FILE | --ops)\n"
    "       horavista-render --list-zones\n"
    "Without --time the frame shows the time at the instant --at gives (UTC), or now, in the zone\n"
    "KEY of the time-zone list, or the computer's own. Colours are decimal values as the options\n"
    "store them (red + 256*green + 65536*blue); without them, the stored options' colours are used.\n"
    "--list-zones prints the time-zone list in the options window's order, one zone a line:\n"
    "position, key, display text and bias in minutes, separated by tabs; the zone the list\n"
    "starts on when no choice is stored (the computer's own) has a fifth field, start.\n";

struct Options {
    int width = 0, height = 0;
    std::optional<double> time;
    std::optional<std::string> zone;
    std::optional<std::int64_t> atMs;
    bool listZones = false;
    std::optional<std::string> clockColour, background;
    std::optional<std::string> png;
    bool ops = false;
};

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "horavista-render: %s\n%s", message.c_str(), kUsage);
    std::exit(2);
}

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

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--size") {
            const std::string v = value();
            char x = 0;
            int used = 0;
            if (std::sscanf(v.c_str(), "%d%c%d%n", &o.width, &x, &o.height, &used) != 3 || x != 'x'
                || used != static_cast<int>(v.size()) || o.width <= 0 || o.height <= 0 || o.width > 16384
                || o.height > 16384)
                fail("--size takes WIDTHxHEIGHT in pixels, each 1 to 16384, as 1920x1080");
            using hv::qt::ImageCanvas;
            constexpr qint64 kMegabyte = 1'000'000;
            if (const qint64 bytes = ImageCanvas::imageBytes(QSize(o.width, o.height), 1.0);
                bytes > ImageCanvas::kMaxImageBytes)
                fail("--size " + v + " would need an image of " + std::to_string(bytes / kMegabyte)
                     + " MB; the clock draws into images of "
                     + std::to_string(ImageCanvas::kMaxImageBytes / kMegabyte) + " MB at the most");
        } else if (arg == "--time") {
            o.time = parseTime(value());
            if (!o.time)
                fail("--time takes HH:MM:SS or HH:MM:SS.fff");
        } else if (arg == "--zone") {
            o.zone = value();
        } else if (arg == "--at") {
            o.atMs = parseInstant(value());
            if (!o.atMs)
                fail("--at takes an instant in UTC as YYYY-MM-DDTHH:MM:SSZ");
        } else if (arg == "--list-zones") {
            o.listZones = true;
        } else if (arg == "--clock-color") {
            o.clockColour = value();
        } else if (arg == "--background") {
            o.background = value();
        } else if (arg == "--png") {
            o.png = value();
        } else if (arg == "--ops") {
            o.ops = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else {
            fail("unknown argument " + arg);
        }
    }
    if (o.listZones)
        return o;
    if (o.width == 0)
        fail("--size is required");
    if (o.time && (o.zone || o.atMs))
        fail("--time is the time shown; it takes no --zone or --at");
    if (o.ops == o.png.has_value())
        fail("give either --png FILE or --ops");
    return o;
}

using namespace hv;

// The catalogue as the options window reads it; a missing tz database ends
// the tool with the window's message.
struct Catalogue {
    qt::TzDatabaseRegistry registry;
    qt::QtSystemInfo system;
    ConsoleMessages console{"horavista-render"};
    TimeZoneCatalogue zones{registry, system, console, console};

    Catalogue()
    {
        try {
            zones.LoadTimeZones();
        } catch (const std::exception& e) {
            throw std::runtime_error(std::string("reading the time-zone list: ") + e.what());
        }
    }

    // Catalogue indices in list order: an entry goes after those whose
    // text it equals, as the list inserts it.
    ListOrder listOrder() const
    {
        ListOrder order(zones.TimeZoneList().size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
            return qt::listOrderLess(QString::fromStdString(zones.entry(a).Display),
                                     QString::fromStdString(zones.entry(b).Display));
        });
        return order;
    }

    bool has(const std::string& key) const
    {
        const auto& keys = zones.TimeZoneKeyNames();
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    }
};

void listZones()
{
    Catalogue catalogue;
    const ListOrder order = catalogue.listOrder();
    const int start = OwnZonePosition(catalogue.zones, order, catalogue.system, catalogue.zones.GetCurrentBias());
    for (std::size_t position = 0; position < order.size(); ++position) {
        const std::int32_t i = order[position];
        std::printf("%zu\t%s\t%s\t%d%s\n", position, catalogue.zones.keyName(i).c_str(),
                    catalogue.zones.entry(i).Display.c_str(), catalogue.zones.entry(i).bias(),
                    static_cast<int>(position) == start ? "\tstart" : "");
    }
}

// Seconds since midnight to draw: the one given, or the zone's (or the
// computer's) time of day at the instant given or now.
double timeToDraw(const Options& options)
{
    if (options.time)
        return *options.time;
    const std::string zone = options.zone.value_or("");
    if (!zone.empty() && !Catalogue().has(zone))
        fail("no zone " + zone + " in the time-zone list (see --list-zones)");
    qt::ZoneTimeOfDay timeOfDay(options.atMs ? qt::EpochClock([at = *options.atMs] { return at; })
                                             : qt::EpochClock(qt::systemNowMs));
    return timeOfDay.secondsSinceMidnight(zone);
}

// The settings file as the user knows it: "~/.config/Quellmark/Horavista.ini".
std::string shownPath(const QString& path)
{
    const QString home = QDir::homePath() + '/';
    return (path.startsWith(home) ? "~/" + path.mid(home.size()) : path).toStdString();
}

// The colour a text names; when it names none, the error says where the
// text came from.
Colour colourFrom(const std::string& text, const std::string& origin)
{
    try {
        return checkedColour(toInt32(text));
    } catch (const RuntimeError& e) {
        throw std::runtime_error(origin + ": " + e.what());
    }
}

// A colour from the command line, else from the stored options.
Colour colourOption(const std::optional<std::string>& given, const char* option, const qt::QtSettingsStore& stored,
                    std::string_view key, std::string_view fallback)
{
    if (given)
        return colourFrom(*given, std::string(option) + " \"" + *given + '"');
    const std::string text = stored.get(key, fallback);
    return colourFrom(text, std::string(key) + " = \"" + text + "\" in " + shownPath(stored.fileName()));
}

void render(const Options& options)
{
    namespace keys = settings;
    const qt::QtSettingsStore stored;
    const Colour clock = colourOption(options.clockColour, "--clock-color", stored, keys::kClockColour,
                                      keys::kClockColourDefault);
    const Colour background = colourOption(options.background, "--background", stored, keys::kBackgroundColour,
                                           keys::kBackgroundColourDefault);
    MemorySettingsStore store;
    store.write(keys::kClockColour, std::to_string(clock));

    qt::ImageCanvas image(qt::toQFont({"Arial", 12, true}));
    image.resize(QSize(options.width, options.height), 1.0, background);
    RecordingCanvas recorder(image);
    Surface surface(options.ops ? static_cast<Canvas&>(recorder) : image, kButtonText);
    const ClockGeometry geometry = geometryFor(options.width, options.height);
    const double t = timeToDraw(options);
    ClockPainter(surface, geometry, store).Draw_Clock(t, background);

    if (options.ops) {
        for (const std::string& op : recorder.ops())
            std::printf("%s\n", op.c_str());
    } else if (!image.image().save(QString::fromStdString(*options.png), "PNG")) {
        throw std::runtime_error("could not write " + *options.png);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    try {
        if (options.listZones)
            listZones();
        else
            render(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "horavista-render: %s\n", e.what());
        return 1;
    }
    return 0;
}
