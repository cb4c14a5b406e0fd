// catalogue_bench: what a full read of the time-zone catalogue costs, the
// read the options window makes every time it loads.
#include "platform/qt/tz_database_registry.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <array>

namespace {

using namespace hv;

// Every value of every zone, in the catalogue's calls and buffer sizes.
int readCatalogue(Registry& registry)
{
    RegKey root = 0;
    registry.openKey(reg::kHKeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones", 0, 0x3F,
                     root);
    int zones = 0;
    std::array<char, 2048> name{};
    for (std::uint32_t index = 0; registry.enumKey(root, index, name) == reg::kSuccess; ++index) {
        RegKey zone = 0;
        if (registry.openKey(root, name.data(), 0, 0x3F, zone) != reg::kSuccess)
            continue;
        std::array<std::uint8_t, 2048> data{};
        std::uint32_t type = reg::kBinary, size = 60;
        registry.queryValue(zone, "TZI", type, std::span(data).first(60), size);
        for (const char* value : {"Display", "Std", "Dlt", "MapID"}) {
            type = reg::kString;
            size = static_cast<std::uint32_t>(data.size());
            registry.queryValue(zone, value, type, data, size);
        }
        registry.closeKey(zone);
        ++zones;
    }
    registry.closeKey(root);
    return zones;
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
