// horavista-render: draws one frame of the clock through the program's own
// drawing code, into a PNG or SVG file or as a list of drawing calls, for the
// computer's own time or a zone's; and lists the zones the options window
// offers, in its order.
#include "clock/fonts.h"
#include "platform/qt/drawing/frame_canvas.h"
#include "platform/qt/windows/list_order.h"
#include "platform/qt/storage/qt_settings_store.h"
#include "platform/qt/windows/qt_window.h"
#include "platform/qt/zones/tz_zone_catalogue.h"
#include "platform/qt/zones/zone_time_of_day.h"
#include "picture_file.h"
#include "render_arguments.h"
#include "render_run.h"
#include "svg_canvas.h"
#include "shared/settings_keys.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdlib>
#include <string>

namespace {

using render_tool::Options;
using namespace hv;

bool listLess(const std::string& a, const std::string& b)
{
    return qt::listOrderLess(QString::fromStdString(a), QString::fromStdString(b));
}

void listZones()
{
    qt::TzZoneCatalogue zones;
    render_tool::ZoneList(zones).print(listLess);
}

// Seconds since midnight to draw: the one given, or the zone's (or the
// computer's) time of day at the instant given or now.
double timeToDraw(const Options& options)
{
    if (options.time)
        return *options.time;
    qt::TzZoneCatalogue zones;
    const std::string zone = render_tool::zoneToDraw(options, zones);
    qt::ZoneTimeOfDay timeOfDay(
        options.atMs ? qt::EpochClock([at = *options.atMs] { return at; }) : qt::EpochClock(qt::systemNowMs));
    return timeOfDay.secondsSinceMidnight(zone);
}

// The settings file as the user knows it: "~/.config/Quellmark/Horavista.ini".
std::string shownPath(const QString& path)
{
    const QString home = QDir::homePath() + '/';
    return (path.startsWith(home) ? "~/" + path.mid(home.size()) : path).toStdString();
}

void render(const Options& options)
{
    namespace keys = settings;
    const qt::QtSettingsStore stored;
    const std::string where = shownPath(stored.fileName());
    const Colour clock = render_tool::colourOption(
        options.clockColour, "--clock-color", stored, keys::kClockColour, keys::kClockColourDefault, where);
    const Colour background = render_tool::colourOption(
        options.background, "--background", stored, keys::kBackgroundColour, keys::kBackgroundColourDefault, where);
    const QFont font = qt::toQFont(kNumeralFont);
    qt::FrameCanvas frame(font);
    frame.resize(QSize(options.width, options.height), background);
    render_tool::SvgCanvas picture(frame, font);
    render_tool::drawFrame(
        frame, options.svg ? static_cast<Canvas&>(picture) : frame, options, timeToDraw(options), clock, background);
    if (options.svg)
        render_tool::writePicture(
            QString::fromStdString(*options.svg), [&](QIODevice& out) { return picture.write(out, "Horavista"); });
    if (options.png)
        render_tool::writePicture(
            QString::fromStdString(*options.png), [&](QIODevice& out) { return frame.image().save(&out, "PNG"); });
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
    QGuiApplication::setApplicationName(QString::fromUtf8(settings::kApplication));
    QGuiApplication::setOrganizationName(QString::fromUtf8(settings::kOrganisation));
    return render_tool::runReported([&] { options.listZones ? listZones() : render(options); });
}
