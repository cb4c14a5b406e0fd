#pragma once
// What a run of the render tool does on every platform, given the
// platform's canvas, zone catalogue, settings and order of sorted lists: list
// the zones, pick the colours, draw the frame and print its calls.
#include "runtime/console_messages.h"
#include "drawing/drawing_call.h"
#include "platform/settings_store.h"
#include "platform/zone_catalogue.h"
#include "render_options.h"
#include "tz/own_zone.h"
#include "tz/time_zone_catalogue.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace render_tool {

// True when display text a sorts before b in the program's lists.
using ListLess = std::function<bool(const std::string& a, const std::string& b)>;

// The catalogue as the options window reads it; a catalogue that cannot
// be read ends the tool with the window's message, or throws.
class ZoneList {
public:
    explicit ZoneList(hv::ZoneCatalogue& system);

    // Catalogue indices in list order: an entry goes after those whose
    // text it equals, as the list inserts it.
    hv::ListOrder listOrder(const ListLess& less) const;
    bool has(const std::string& key) const;
    // One zone a line: list position, key, display text, bias, and
    // "start" on the one the list starts on when no choice is stored.
    void print(const ListLess& less);

private:
    hv::ZoneCatalogue& system_;
    hv::ConsoleMessages console_{"horavista-render"};
    hv::TimeZoneCatalogue zones_;
};

// The zone whose time of day to draw: the one --zone names, or empty for
// the computer's own. A zone the list does not hold ends the tool.
std::string zoneToDraw(const Options& options, hv::ZoneCatalogue& system);

// A colour from the command line, else from the stored options; one that
// is no colour is named with where it came from (storedWhere: where the
// store keeps its values, as the user knows it).
hv::Colour colourOption(const std::optional<std::string>& given, const char* option, const hv::SettingsStore& stored,
    std::string_view key, std::string_view fallback, const std::string& storedWhere);

// Draws the frame at t seconds since midnight onto the canvas (the image,
// which the options' size fits, or one that passes the calls on to it),
// or with --ops into the image while printing its drawing calls.
void drawFrame(hv::CallCanvas& image, hv::Canvas& canvas, const Options& options, double t, hv::Colour clock,
    hv::Colour background);

// Runs the tool's work; what it cannot do, printing all it printed
// included, is said on stderr, status 1.
int runReported(const std::function<void()>& work);

} // namespace render_tool
