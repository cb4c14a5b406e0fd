// catalogue_bench: what a full read of the time-zone catalogue costs, the
// read the options window makes every time it loads.
#include "platform/qt/qt_system_info.h"
#include "platform/qt/tz_database_registry.h"
#include "tz/time_zone_catalogue.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace hv;

// Ends the benchmark with its message, where the program would end.
struct Fatal : MessageBoxes, ProgramLifetime {
    int show(const std::string& text, int, const std::string&) override
    {
        std::fprintf(stderr, "catalogue_bench:%s\n", text.c_str());
        return 1;
    }
    [[noreturn]] void endNow() override { std::exit(1); }
};

// The read the options window makes: every value of every zone.
int readCatalogue(Registry& registry)
{
    qt::QtSystemInfo system;
    Fatal fatal;
    TimeZoneCatalogue catalogue(registry, system, fatal, fatal);
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
