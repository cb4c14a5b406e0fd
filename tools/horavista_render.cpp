// horavista-render: draws one frame of the clock through the program's own
// drawing code, into a PNG or SVG file or as a list of drawing calls, for the
// computer's own time or a zone's; and lists the zones the options window
// offers, in its order.
#include "clock/fonts.h"
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
#include "render_arguments.h"
#include "svg_canvas.h"
#include "shared/settings_keys.h"
#include "tz/own_zone.h"
#include "tz/time_zone_catalogue.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using render_tool::fail;
using render_tool::Options;
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

    const QFont font = qt::toQFont(kNumeralFont);
    qt::ImageCanvas image(font);
    image.resize(QSize(options.width, options.height), 1.0, background);
    RecordingCanvas recorder(image);
    render_tool::SvgCanvas picture(image, font);
    Canvas& canvas = options.ops ? static_cast<Canvas&>(recorder) : options.svg ? static_cast<Canvas&>(picture) : image;
    Surface surface(canvas, kButtonText);
    const ClockGeometry geometry = geometryFor(options.width, options.height);
    const double t = timeToDraw(options);
    ClockPainter(surface, geometry, store).Draw_Clock(t, background);

    if (options.ops) {
        for (const std::string& op : recorder.ops())
            std::printf("%s\n", op.c_str());
    } else if (options.svg) {
        if (!picture.write(QString::fromStdString(*options.svg), "Horavista"))
            throw std::runtime_error("could not write " + *options.svg);
    } else if (!image.image().save(QString::fromStdString(*options.png), "PNG")) {
        throw std::runtime_error("could not write " + *options.png);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const Options options = render_tool::parseArguments(arguments);
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
