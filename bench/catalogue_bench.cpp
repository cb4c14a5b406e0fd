// catalogue_bench: what a full read of the time-zone catalogue costs, the
// read the options window makes every time it loads, and what finding the
// computer's zone costs when the catalogue has no entry of that name.
#include "runtime/console_messages.h"
#include "platform/qt/windows/list_order.h"
#include "platform/qt/zones/tz_zone_catalogue.h"
#include "tz/own_zone.h"
#include "tz/time_zone_catalogue.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <numeric>

namespace {

using namespace hv;

// The read the options window makes each time it loads: every zone's
// display text and standard bias. The zone files themselves are read and
// checked once per process, so only the first iteration pays for that;
// bench/launch_time.sh times a whole start.
void BM_CatalogueRead(benchmark::State& state)
{
    qt::TzZoneCatalogue zones;
    ConsoleMessages console("catalogue_bench");
    TimeZoneCatalogue catalogue(zones, console, console);
    for (auto _ : state) {
        catalogue.LoadTimeZones();
        state.counters["zones"] = catalogue.upperBound() + 1;
    }
}

// A computer on EST5EDT, which no entry is named: every entry in list
// order is compared with it until New York, which has agreed since 1970.
// A fresh catalogue reads the computer's zone again, as each load of the
// options window does.
void BM_OwnZoneByAgreement(benchmark::State& state)
{
    setenv("TZ", "EST5EDT", 1);
    tzset();
    qt::TzZoneCatalogue reader;
    ConsoleMessages console("catalogue_bench");
    TimeZoneCatalogue catalogue(reader, console, console);
    catalogue.LoadTimeZones();
    ListOrder order(catalogue.TimeZoneList().size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        return qt::listOrderLess(
            QString::fromStdString(catalogue.entry(a).Display), QString::fromStdString(catalogue.entry(b).Display));
    });
    for (auto _ : state) {
        qt::TzZoneCatalogue system;
        const int position = PositionByAgreement(catalogue, order, system);
        state.counters["position"] = position;
        if (catalogue.keyName(order[static_cast<std::size_t>(position)]) != "America/New_York")
            state.SkipWithError("EST5EDT did not find America/New_York");
    }
    unsetenv("TZ");
    tzset();
}

BENCHMARK(BM_CatalogueRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OwnZoneByAgreement)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
