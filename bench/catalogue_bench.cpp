// catalogue_bench: what a full read of the time-zone catalogue costs, the
// read the options window makes every time it loads.
#include "platform/console_messages.h"
#include "platform/qt/qt_system_info.h"
#include "platform/qt/tz_database_registry.h"
#include "tz/time_zone_catalogue.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

using namespace hv;

// The read the options window makes: every value of every zone.
int readCatalogue(Registry& registry)
{
    qt::QtSystemInfo system;
    ConsoleMessages console("catalogue_bench");
    TimeZoneCatalogue catalogue(registry, system, console, console);
    catalogue.LoadTimeZones();
    return catalogue.upperBound() + 1;
}

// The first load of the options window: a registry that has not yet asked
// the tz database about any zone.
void BM_CatalogueFirstRead(benchmark::State& state)
{
    for (auto _ : state) {
        qt::TzDatabaseRegistry registry;
        state.counters["zones"] = readCatalogue(registry);
    }
}

// Every later load.
void BM_CatalogueRead(benchmark::State& state)
{
    qt::TzDatabaseRegistry registry;
    readCatalogue(registry);
    for (auto _ : state)
        state.counters["zones"] = readCatalogue(registry);
}

BENCHMARK(BM_CatalogueFirstRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
