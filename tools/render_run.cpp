#include "render_run.h"

#include "clock/frame.h"
#include "clock/geometry.h"
#include "drawing/recording_canvas.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <stdexcept>
#include <tuple>

namespace render_tool {

using namespace hv;

ZoneList::ZoneList(hv::ZoneCatalogue& system)
    : system_(system)
    , zones_(system, console_, console_)
{
    try {
        zones_.LoadTimeZones();
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("reading the time-zone list: ") + e.what());
    }
}

ListOrder ZoneList::listOrder(const ListLess& less) const
{
    ListOrder order(zones_.TimeZoneList().size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&](std::int32_t a, std::int32_t b) { return less(zones_.entry(a).Display, zones_.entry(b).Display); });
    return order;
}

bool ZoneList::has(const std::string& key) const
{
    const auto& keys = zones_.TimeZoneKeyNames();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

void ZoneList::print(const ListLess& less)
{
    const ListOrder order = listOrder(less);
    const int start = OwnZonePosition(zones_, order, system_, zones_.GetCurrentBias());
    for (std::size_t position = 0; position < order.size(); ++position) {
        const std::int32_t i = order[position];
        std::printf("%zu\t%s\t%s\t%d%s\n", position, zones_.keyName(i).c_str(), zones_.entry(i).Display.c_str(),
            zones_.entry(i).bias, static_cast<int>(position) == start ? "\tstart" : "");
    }
}

std::string zoneToDraw(const Options& options, hv::ZoneCatalogue& system)
{
    const std::string zone = options.zone.value_or("");
    if (!zone.empty() && !ZoneList(system).has(zone))
        fail("no zone " + zone + " in the time-zone list (see --list-zones)");
    return zone;
}

namespace {

// The colour a text names; when it names none, the error says where the
// text came from.
Colour colourFrom(const std::string& text, const std::string& origin)
{
    try {
        return checkedColour(toInt32(text));
    } catch (const RuntimeError& e) {
        throw std::runtime_error(origin + ": " + e.what());
    }
}

} // namespace

Colour colourOption(const std::optional<std::string>& given, const char* option, const SettingsStore& stored,
    std::string_view key, std::string_view fallback, const std::string& storedWhere)
{
    if (given)
        return colourFrom(*given, std::string(option) + " \"" + *given + '"');
    const std::string text = stored.get(key, fallback);
    return colourFrom(text, std::string(key) + " = \"" + text + "\" in " + storedWhere);
}

void drawFrame(CallCanvas& image, Canvas& canvas, const Options& options, double t, Colour clock, Colour background)
{
    MemorySettingsStore store;
    store.write(settings::kClockColour, std::to_string(clock));
    RecordingCanvas recorder(image);
    Surface surface(options.ops ? static_cast<Canvas&>(recorder) : canvas, kButtonText);
    const ClockGeometry geometry = geometryFor(options.width, options.height);
    FrameLook look;
    if (options.night) {
        look.nightDim = true;
        std::tie(look.nightFrom, look.nightTo) = *options.night;
        look.nightLevel = options.nightLevel.value_or(nightLevelValue(settings::kNightLevelDefault));
    }
    look.screenCare = options.screenCare;
    ClockPainter(surface, geometry, store, look).draw(t, background);
    if (options.ops)
        for (const std::string& op : recorder.ops())
            std::printf("%s\n", op.c_str());
}

int runReported(const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "horavista-render: %s\n", e.what());
        return 1;
    }
    return outputWritten() ? 0 : 1;
}

} // namespace render_tool
