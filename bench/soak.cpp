// soak: a day of the clock window in a minute or two. 86,400 frames a
// second apart go through the program's own clock window, its canvas
// and the widget's paint path, with the time of day driven through the
// time-of-day port; the resident memory is read before and after. A frame
// a second adds up over a day: whatever the paint path keeps per frame
// shows here.
#include "app/program.h"
#include "runtime/console_messages.h"
#include "platform/qt/qt_platform.h"
#include "shared/settings_keys.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace hv;

constexpr int kFramesPerDay = 86'400;
constexpr int kWarmUpFrames = 60;
// 2026-01-01T00:00:00Z: a day of the computer's own zone follows.
constexpr std::int64_t kDayStartMs = 1'767'225'600'000;

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

// Counts the paint events the clock window gets: the frames reached the
// screen's side of the paint path, not only the canvas.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    int frames = kFramesPerDay;
    if (argc > 1 && (frames = std::atoi(argv[1])) <= kWarmUpFrames) {
        std::fprintf(stderr, "usage: soak [FRAMES], more than %d (default %d, a day)\n", kWarmUpFrames, kFramesPerDay);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    std::int64_t nowMs = kDayStartMs;
    qt::QtPlatform real;
    qt::ZoneTimeOfDay day([&nowMs] { return nowMs; });
    // The options live in memory: the clock opens at start and keeps no
    // one awake, and nothing of the user's is read or written.
    MemorySettingsStore settings;
    settings.write(settings::kWindowsStartup, settings::kOn);
    settings.write(settings::kKeepAwake, "0");
    // A failure is written down rather than waited on in a box.
    ConsoleMessages console("soak");
    Platform platform{settings, real.windows, console, real.colourDialog, real.events, console, day, real.keepAwake,
        real.zones, real.files, real.logInStart, real.monitors};
    Program program(platform);
    program.start();
    QWidget* widget = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "Form2" && window->isVisible())
            widget = window;
    if (!widget) {
        std::fputs("soak: the clock window did not open\n", stderr);
        return 1;
    }
    auto clock = program.clockWindow();
    PaintCounter counter;
    widget->installEventFilter(&counter);

    auto tick = [&] {
        nowMs += 1000;
        clock->tick();
    };
    for (int i = 0; i < kWarmUpFrames; ++i)
        tick();
    const double startMb = residentMegabytes();
    const int paintsBefore = counter.paints;
    const auto started = std::chrono::steady_clock::now();

    std::printf("%dx%d, %d frames after %d to warm up\n", widget->width(), widget->height(), frames - kWarmUpFrames,
        kWarmUpFrames);
    std::printf("%10s %10s %10s\n", "frames", "RSS MB", "seconds");
    std::printf("%10d %10.1f %10.1f\n", kWarmUpFrames, startMb, 0.0);
    const int report = std::max(1, frames / 8);
    for (int i = kWarmUpFrames; i < frames; ++i) {
        tick();
        if ((i + 1) % report == 0 || i + 1 == frames)
            std::printf("%10d %10.1f %10.1f\n", i + 1, residentMegabytes(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    const double endMb = residentMegabytes();
    const int paints = counter.paints - paintsBefore;
    std::printf("paint events: %d for %d frames\n", paints, frames - kWarmUpFrames);
    std::printf(
        "RSS start %.1f MB, end %.1f MB, growth %+.2f MB   goal: within 1 MB\n", startMb, endMb, endMb - startMb);
    if (paints < (frames - kWarmUpFrames) / 2) {
        std::fputs("soak: most frames never reached the paint path\n", stderr);
        return 1;
    }
    return 0;
}
