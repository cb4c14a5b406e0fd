// horavista-render: draws one frame of the clock through the program's own
// drawing code, into a PNG file or as a list of drawing calls.
#include "app/settings_keys.h"
#include "clock/frame.h"
#include "clock/geometry.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_window.h"
#include "platform/recording_canvas.h"
#include "platform/runtime.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: horavista-render --size WxH [--time HH:MM:SS[.fff]] [--clock-color N] [--background N]\n"
    "                        (--png FILE | --ops)\n"
    "Colours are decimal values as the options store them (red + 256*green + 65536*blue);\n"
    "without them, the stored options' colours are used.\n";

struct Options {
    int width = 0, height = 0;
    std::optional<double> time;
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
        } else if (arg == "--time") {
            o.time = parseTime(value());
            if (!o.time)
                fail("--time takes HH:MM:SS or HH:MM:SS.fff");
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
    if (o.width == 0)
        fail("--size is required");
    if (o.ops == o.png.has_value())
        fail("give either --png FILE or --ops");
    return o;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    using namespace hv;
    namespace keys = settings;
    qt::QtSettingsStore stored;
    MemorySettingsStore store;
    store.write(keys::kClockColour, options.clockColour.value_or(stored.get(keys::kClockColour, keys::kClockColourDefault)));
    const std::string backgroundText =
        options.background.value_or(stored.get(keys::kBackgroundColour, keys::kBackgroundColourDefault));

    try {
        const Colour background = checkedColour(toInt32(backgroundText));
        qt::ImageCanvas image(qt::toQFont({"Arial", 12, true}));
        image.resize(QSize(options.width, options.height), 1.0, background);
        RecordingCanvas recorder(image);
        Surface surface(options.ops ? static_cast<Canvas&>(recorder) : image, kButtonText);
        const ClockGeometry geometry = geometryFor(options.width, options.height);
        const double t = options.time ? *options.time : qt::ZoneTimeOfDay().secondsSinceMidnight("");
        ClockPainter(surface, geometry, store).Draw_Clock(t, background);

        if (options.ops) {
            for (const std::string& op : recorder.ops())
                std::printf("%s\n", op.c_str());
        } else if (!image.image().save(QString::fromStdString(*options.png), "PNG")) {
            std::fprintf(stderr, "horavista-render: could not write %s\n", options.png->c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "horavista-render: %s\n", e.what());
        return 1;
    }
    return 0;
}
