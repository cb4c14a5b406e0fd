// settings_bench: what reading an option from the options file costs. A
// read looks whether the file changed on disk, but within a batch (the
// clock's frames) only the first does.
#include "platform/qt/storage/qt_settings_store.h"
#include "shared/settings_keys.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using namespace hv;

void writeColour(const QString& file, int colour)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write("[Horavista]\nCheck4=1\nCombo1=98\nClock%20Color=" + QByteArray::number(colour) + "\n");
}

// The file as it was: one stat call and a lookup.
void BM_ReadUnchanged(benchmark::State& state)
{
    qt::QtSettingsStore store;
    writeColour(store.fileName(), 255);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.read(settings::kClockColour));
}

// Twelve reads, as the clock once made for each frame, in one batch.
void BM_BatchOfTwelveReads(benchmark::State& state)
{
    qt::QtSettingsStore store;
    writeColour(store.fileName(), 255);
    for (auto _ : state) {
        const SettingsStore::Batch frame(store);
        for (int i = 0; i < 12; ++i)
            benchmark::DoNotOptimize(store.read(settings::kClockColour));
    }
}

// The first read after another program saved the file: it is read again.
// Qt tells versions of the file apart by size and millisecond, so the
// saves here change the size each time; "stale" counts reads that still
// gave the value before.
void BM_ReadAfterAChange(benchmark::State& state)
{
    qt::QtSettingsStore store;
    int colour = 0;
    int stale = 0;
    for (auto _ : state) {
        state.PauseTiming();
        colour = colour < 1000000 ? 1000000 + colour % 1000 + 1 : 100000 + colour % 1000 + 1;
        writeColour(store.fileName(), colour);
        state.ResumeTiming();
        if (store.read(settings::kClockColour) != std::to_string(colour))
            ++stale;
    }
    state.counters["stale"] = stale;
}

BENCHMARK(BM_ReadUnchanged);
BENCHMARK(BM_BatchOfTwelveReads);
BENCHMARK(BM_ReadAfterAChange);

} // namespace

int main(int argc, char** argv)
{
    // A folder of its own, so nothing of the user's is read or touched.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(settings::kApplication));
    QCoreApplication::setOrganizationName(QString::fromUtf8(settings::kOrganisation));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
