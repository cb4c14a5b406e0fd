// horavista_bench: what one clock frame costs at common screen sizes.
//
// A frame is drawn whole every second and the part of it that changed
// painted into the window's backing store, so its cost is weighed against
// the least any frame can cost, wiping all of that.
#include "clock/fonts.h"
#include "clock/frame.h"
#include "clock/geometry.h"
#include "clock/surface.h"
#include "platform/qt/drawing/frame_canvas.h"
#include "platform/qt/windows/qt_window.h"
#include "platform/settings_store.h"
#include "shared/settings_keys.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

using namespace hv;

// 10:08:37: hands spread over the dial, none hiding another, and the
// second hand clear of the numerals.
constexpr double kFrameTime = 10 * 3600 + 8 * 60 + 37;
constexpr Colour kForeground = kWhite;
constexpr Colour kBackground = kBlack;

QFont numeralFont() { return qt::toQFont(kNumeralFont); }

QSize sizeOf(const benchmark::State& state)
{
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

// One frame source as the clock window has it: a canvas of the screen's
// size, the geometry for that size and the stored clock colour, and an
// image of that size that stands for the window's backing store.
struct FrameSource {
    explicit FrameSource(QSize size)
        : canvas(numeralFont())
        , surface(canvas, kButtonText)
        , geometry(geometryFor(size.width(), size.height()))
        , shown(size, QImage::Format_RGB32)
    {
        store.write(settings::kClockColour, std::to_string(kForeground));
        canvas.resize(size, kBackground);
    }
    void draw(double t) { ClockPainter(surface, geometry, store).draw(t, kBackground); }
    void show(const QRegion& region)
    {
        QPainter p(&shown);
        canvas.paint(p, region);
        p.end();
        benchmark::DoNotOptimize(shown.constBits());
        benchmark::ClobberMemory();
    }

    qt::FrameCanvas canvas;
    Surface surface;
    ClockGeometry geometry;
    MemorySettingsStore store;
    QImage shown;
};

// Passes every call on to the canvas and keeps, per kind of call,
// the time it took: where a frame's time goes.
class TimingCanvas : public Canvas {
public:
    enum Kind { kClear, kCircle, kPolyline, kPolygon, kPrint, kOther, kKinds };
    static constexpr const char* kNames[kKinds] = {"clear", "circle", "polyline", "polygon", "print", "other"};

    explicit TimingCanvas(Canvas& inner)
        : inner_(inner)
    {
    }

    int width() const override { return inner_.width(); }
    int height() const override { return inner_.height(); }
    void clear(Colour background) override
    {
        timed(kClear, [&] { inner_.clear(background); });
    }
    void setPixel(double x, double y, Colour colour) override
    {
        timed(kOther, [&] { inner_.setPixel(x, y, colour); });
    }
    void circle(double cx, double cy, double radius, Pen outline, std::optional<Colour> fill) override
    {
        timed(kCircle, [&] { inner_.circle(cx, cy, radius, outline, fill); });
    }
    void polyline(std::span<const Point> points, Pen pen) override
    {
        timed(kPolyline, [&] { inner_.polyline(points, pen); });
    }
    void polygon(std::span<const Point> points, Pen outline, std::optional<Colour> fill) override
    {
        timed(kPolygon, [&] { inner_.polygon(points, outline, fill); });
    }
    void print(double x, double y, std::string_view text, Colour colour) override
    {
        timed(kPrint, [&] { inner_.print(x, y, text, colour); });
    }
    double textWidth(std::string_view text) const override { return inner_.textWidth(text); }
    double textHeight(std::string_view text) const override { return inner_.textHeight(text); }

    double seconds[kKinds] = {};

private:
    template <typename F>
    void timed(Kind kind, F&& call)
    {
        const auto start = std::chrono::steady_clock::now();
        call();
        seconds[kind] += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    Canvas& inner_;
};

void setPixelCounters(benchmark::State& state, QSize size)
{
    const double pixels = static_cast<double>(size.width()) * size.height();
    state.counters["pixels/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Clear(benchmark::State& state)
{
    FrameSource source(sizeOf(state));
    for (auto _ : state) {
        source.canvas.clear(kBackground);
        source.show(source.shown.rect());
    }
    setPixelCounters(state, sizeOf(state));
}

// Frames a second apart, as the clock window draws them, each followed by
// the window painting the tiles around what changed.
void BM_WholeFrame(benchmark::State& state)
{
    FrameSource source(sizeOf(state));
    double t = kFrameTime;
    for (auto _ : state) {
        source.draw(t);
        source.show(qt::inTiles(source.canvas.takeChanges()));
        t = t + 1 < 12 * 3600 ? t + 1 : 0;
    }
    setPixelCounters(state, sizeOf(state));
}

// The same frame over and over, painted whole each time: what a frame
// costs if every call is painted.
void BM_FrameDrawnWhole(benchmark::State& state)
{
    FrameSource source(sizeOf(state));
    for (auto _ : state) {
        source.draw(kFrameTime);
        source.show(source.shown.rect());
    }
    setPixelCounters(state, sizeOf(state));
}

// The whole frame again, each kind of drawing call timed on its own: the
// counters are microseconds per frame.
void BM_FrameBreakdown(benchmark::State& state)
{
    const QSize size = sizeOf(state);
    FrameSource source(size);
    TimingCanvas timing(source.canvas);
    Surface surface(timing, kButtonText);
    for (auto _ : state)
        ClockPainter(surface, source.geometry, source.store).draw(kFrameTime, kBackground);
    for (int kind = 0; kind < TimingCanvas::kKinds; ++kind)
        if (timing.seconds[kind] > 0)
            state.counters[TimingCanvas::kNames[kind]]
                = 1e6 * timing.seconds[kind] / static_cast<double>(state.iterations());
}

void screenSizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h"});
    for (auto [w, h] : {std::pair{1366, 768}, {1920, 1080}, {3840, 2160}})
        b->Args({w, h});
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Clear)->Apply(screenSizes);
BENCHMARK(BM_WholeFrame)->Apply(screenSizes);
BENCHMARK(BM_FrameDrawnWhole)->Apply(screenSizes);
BENCHMARK(BM_FrameBreakdown)->Apply(screenSizes);

// The console table, then the ratios the goals are stated in: a whole
// frame within twice the wipe; beside it, a frame drawn call by call.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(OutputOptions options)
        : ConsoleReporter(options)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // With repetitions the median stands for the size; otherwise the
            // one run does.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            Key key{run.run_name.function_name, run.run_name.args};
            if (median || !medians_.count(key))
                times_[key] = run.GetAdjustedCPUTime();
            if (median)
                medians_[key] = true;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::vector<std::string> sizes;
        for (const auto& [key, time] : times_)
            if (key.first == "BM_Clear")
                sizes.push_back(key.second);
        if (sizes.empty())
            return;
        std::FILE* out = stdout;
        std::fprintf(out, "\n%-14s %10s %10s %14s %12s\n", "size", "clear", "frame", "drawn whole", "frame/clear");
        for (const std::string& size : sizes) {
            const double clear = time("BM_Clear", size), frame = time("BM_WholeFrame", size),
                         whole = time("BM_FrameDrawnWhole", size);
            std::fprintf(out, "%-14s %10s %10s %14s %12s\n", size.c_str(), us(clear).c_str(), us(frame).c_str(),
                us(whole).c_str(), ratio(frame, clear).c_str());
        }
        std::fprintf(out, "(CPU time per call; goal: frame/clear <= 2.00)\n");
    }

private:
    using Key = std::pair<std::string, std::string>;

    double time(const std::string& function, const std::string& size) const
    {
        auto it = times_.find({function, size});
        return it == times_.end() ? 0 : it->second;
    }
    static std::string us(double t)
    {
        if (t <= 0)
            return "-";
        char text[32];
        std::snprintf(text, sizeof text, "%.1f us", t);
        return text;
    }
    static std::string ratio(double a, double b)
    {
        if (a <= 0 || b <= 0)
            return "-";
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", a / b);
        return text;
    }

    std::map<Key, double> times_;
    std::map<Key, bool> medians_;
};

// The value of --NAME=VALUE on the command line, or nullptr.
const char* flagValue(int argc, char** argv, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0 && std::strncmp(argv[i] + 2, name, length) == 0
            && argv[i][2 + length] == '=')
            return argv[i] + 3 + length;
    return nullptr;
}

// Colour as the library's own console table has it: on a terminal unless
// --benchmark_color says otherwise.
benchmark::ConsoleReporter::OutputOptions consoleOptions(int argc, char** argv)
{
    bool colour = isatty(STDOUT_FILENO);
    if (const char* value = flagValue(argc, argv, "benchmark_color")) {
        const std::string v = value;
        if (v == "false" || v == "no" || v == "0")
            colour = false;
        else if (v == "true" || v == "yes" || v == "1")
            colour = true;
    }
    return colour ? benchmark::ConsoleReporter::OO_ColorTabular : benchmark::ConsoleReporter::OO_Tabular;
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs a font database, and that needs a GUI application; no
    // window is ever shown, so no display is wanted.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    const char* format = flagValue(argc, argv, "benchmark_format");
    const bool ratios = !format || std::strcmp(format, "console") == 0;
    const auto options = consoleOptions(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (ratios) {
        RatioReporter reporter(options);
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
