// frame_phase: when, after each whole second of the wall clock, a window's
// pixels change on the X server.
//
// The clock draws a frame each second and means it to show just after the
// whole second. The server's damage reports say when pixels actually
// change, seen from outside the program: each frame arrives as a burst of
// damage, and its first report is when the frame starts to show.
//
// usage: frame_phase [--seconds N] [--window ID] [--per-second]
//   --window ID    the window to watch (decimal or 0x hex); default the
//                  root window, whose damage covers every window on it
//   --seconds N    how long to watch, default 60
//   --per-second   list every second, not only the summary
#include "x_damage.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace {

using bench::fail;

double wallNow()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

struct Options {
    double seconds = 60;
    Window window = None;
    bool perSecond = false;
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc)
                fail(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--seconds") {
            char* end = nullptr;
            o.seconds = std::strtod(value(), &end);
            if (*end || !(o.seconds > 0))
                fail("--seconds takes a positive number");
        } else if (arg == "--window") {
            char* end = nullptr;
            o.window = std::strtoul(value(), &end, 0);
            if (*end || o.window == None)
                fail("--window takes a window id, as 0x200002");
        } else if (arg == "--per-second") {
            o.perSecond = true;
        } else {
            fail("unknown argument " + arg + "\nusage: frame_phase [--seconds N] [--window ID] [--per-second]");
        }
    }
    return o;
}

// The damage reports that fell nearest one whole second, as milliseconds
// from it (negative: before it).
struct Burst {
    double firstMs = 0;
    double lastMs = 0;
    int reports = 0;
    // What the reports covered, overlaps counted twice: the pixels the
    // client sent the server for that frame.
    double pixels = 0;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    // Nearest rank: the smallest value with at least p of them at or below.
    const std::size_t rank = static_cast<std::size_t>(std::ceil(p * values.size()));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

void summarise(const char* what, const std::vector<double>& ms)
{
    std::printf("%-22s min %7.2f  median %7.2f  p95 %7.2f  max %7.2f ms\n", what, percentile(ms, 0),
        percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1));
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    const auto [display, damageEvent] = bench::openDamageDisplay();
    const Window window = options.window != None ? options.window : DefaultRootWindow(display);
    // Raw rectangles: a report for every change, with nothing to
    // acknowledge, so no report waits on this tool.
    XDamageCreate(display, window, XDamageReportRawRectangles);
    XSync(display, False);

    // Each whole second owns the reports from half a second before it to
    // half a second after, so the watched span is cut at half seconds.
    const double start = std::ceil(wallNow() + 0.5);
    const double end = start + std::ceil(options.seconds);
    const double from = start - 0.5, until = end - 0.5;
    std::map<long long, Burst> bursts;
    long long reports = 0;
    const auto deadline = bench::Clock::now()
        + std::chrono::ceil<std::chrono::milliseconds>(std::chrono::duration<double>(until - wallNow()));
    XEvent event;
    while (bench::nextEvent(display, event, deadline)) {
        const double now = wallNow();
        if (event.type != damageEvent + XDamageNotify || now < from || now >= until)
            continue;
        ++reports;
        const long long second = std::llround(now);
        const double ms = (now - static_cast<double>(second)) * 1000;
        Burst& b = bursts[second];
        if (b.reports == 0)
            b.firstMs = ms;
        b.lastMs = ms;
        ++b.reports;
        const auto& area = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
        b.pixels += static_cast<double>(area.width) * area.height;
    }
    XCloseDisplay(display);

    std::vector<double> first, last, pixels;
    int early = 0, late = 0;
    for (const auto& [second, b] : bursts) {
        if (options.perSecond) {
            const std::time_t t = static_cast<std::time_t>(second);
            char stamp[16];
            std::strftime(stamp, sizeof stamp, "%H:%M:%S", std::localtime(&t));
            std::printf("%s  first %+8.2f ms  last %+8.2f ms  reports %d  pixels %.0f\n", stamp, b.firstMs, b.lastMs,
                b.reports, b.pixels);
        }
        first.push_back(b.firstMs);
        last.push_back(b.lastMs);
        pixels.push_back(b.pixels);
        early += b.firstMs < 0;
        late += b.firstMs > 20;
    }
    const long long watched = static_cast<long long>(end - start);
    std::printf("watched %lld whole seconds of window 0x%lx: %zu with a frame, %lld reports\n", watched, window,
        bursts.size(), reports);
    if (first.empty()) {
        std::printf("no damage seen: nothing drew on that window\n");
        return 1;
    }
    summarise("first report after :00", first);
    summarise("last report after :00", last);
    std::printf("%-22s min %7.0f  median %7.0f  p95 %7.0f  max %7.0f\n", "pixels sent a frame", percentile(pixels, 0),
        percentile(pixels, 0.5), percentile(pixels, 0.95), percentile(pixels, 1));
    std::printf(
        "frames starting before the whole second: %d, more than 20 ms after it: %d, seconds without a frame: %lld\n",
        early, late, watched - static_cast<long long>(bursts.size()));
    return 0;
}
