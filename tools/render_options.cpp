#include "render_options.h"

#include "horavista_version.h"
#include "clock/frame_look.h"
#include "clock/night_hours.h"
#include "drawing/image_limit.h"
#include "runtime/runtime.h"

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace render_tool {

namespace {

constexpr const char* kUsage
    = "usage: horavista-render --size WxH [--time HH:MM:SS[.fff] | [--zone KEY] [--at YYYY-MM-DDTHH:MM:SSZ]]\n"
      "                        [--clock-color N] [--background N] [--night HH:MM-HH:MM [--night-level PERCENT]]\n"
      "                        [--screen-care] (--png FILE | --svg FILE | --ops)\n"
      "       horavista-render --list-zones\n"
      "       horavista-render --version\n"
      "Without --time the frame shows the time at the instant --at gives (UTC), or now, in the zone\n"
      "KEY of the time-zone list, or the computer's own. Colours are decimal values as the options\n"
      "store them (red + 256*green + 65536*blue); without them, the stored options' colours are used.\n"
      "--list-zones prints the time-zone list in the options window's order, one zone a line:\n"
      "position, key, display text and bias in minutes, separated by tabs; the zone the list\n"
      "starts on when no choice is stored (the computer's own) has a fifth field, start.\n"
      "--night dims the clock colour to the --night-level PERCENT (5 to 100, default 30) when the\n"
      "time shown lies in those hours; --screen-care moves the dial as the clock does at that minute.\n"
      "--svg writes the frame as a scalable picture, its text as outlines.\n";

std::optional<double> parseTime(const std::string& text)
{
    // Decimal digits only: the scan alone would take signs, blanks, "nan",
    // hexadecimal and exponents.
    if (!std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == ':' || c == '.'; }))
        return std::nullopt;
    int h = 0, m = 0;
    double s = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%2d:%2d:%lf%n", &h, &m, &s, &used) != 3 || used != static_cast<int>(text.size())
        || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s >= 60)
        return std::nullopt;
    return h * 3600.0 + m * 60.0 + s;
}

// "2026-07-01T12:00:00Z" as milliseconds since the epoch. A year before 1
// is BC, with no year 0.
std::optional<std::int64_t> parseInstant(const std::string& text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2dZ%n", &y, &mo, &d, &h, &mi, &s, &used) != 6
        || used != static_cast<int>(text.size()))
        return std::nullopt;
    if (y < 0)
        ++y;
    else if (y == 0)
        return std::nullopt;
    if (mo < 1 || d < 1 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day date{year{y}, month(static_cast<unsigned>(mo)), day(static_cast<unsigned>(d))};
    if (!date.ok())
        return std::nullopt;
    const milliseconds sinceEpoch = sys_days{date}.time_since_epoch() + hours{h} + minutes{mi} + seconds{s};
    return sinceEpoch.count();
}

// WIDTHxHEIGHT, each side and the image within the clock's limits.
void takeSize(Options& o, const std::string& text)
{
    char x = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%n", &o.width, &x, &o.height, &used) != 3 || x != 'x'
        || used != static_cast<int>(text.size()) || o.width <= 0 || o.height <= 0 || o.width > 16384
        || o.height > 16384)
        fail("--size takes WIDTHxHEIGHT in pixels, each 1 to 16384, as 1920x1080");
    constexpr std::int64_t kMegabyte = 1'000'000;
    if (!hv::fitsImageLimit(o.width, o.height))
        fail("--size " + text + " would need an image of "
            + std::to_string(hv::imageBytes(o.width, o.height) / kMegabyte) + " MB; the clock draws into images of "
            + std::to_string(hv::kMaxImageBytes / kMegabyte) + " MB at the most");
}

// FROM-TO, two times of day as the options store them.
void takeNight(Options& o, const std::string& text)
{
    const auto dash = text.find('-');
    const auto from = hv::parseClockTime(std::string_view(text).substr(0, dash));
    const auto to = dash == std::string::npos ? std::nullopt : hv::parseClockTime(text.substr(dash + 1));
    if (!from || !to)
        fail("--night takes the night hours as HH:MM-HH:MM, as 22:00-06:00");
    o.night.emplace(*from, *to);
}

void takeNightLevel(Options& o, const std::string& text)
{
    try {
        o.nightLevel = hv::nightLevelValue(text);
    } catch (const hv::RuntimeError&) {
        fail("--night-level takes a percentage from 5 to 100");
    }
}

} // namespace

const std::vector<Declared>& declaredOptions()
{
    static const std::vector<Declared> declared = {
        {{"size"}, "WxH", takeSize},
        {{"time"}, "HH:MM:SS",
            [](Options& o, const std::string& v) {
                o.time = parseTime(v);
                if (!o.time)
                    fail("--time takes HH:MM:SS or HH:MM:SS.fff");
            }},
        {{"zone"}, "KEY", [](Options& o, const std::string& v) { o.zone = v; }},
        {{"at"}, "YYYY-MM-DDTHH:MM:SSZ",
            [](Options& o, const std::string& v) {
                o.atMs = parseInstant(v);
                if (!o.atMs)
                    fail("--at takes an instant in UTC as YYYY-MM-DDTHH:MM:SSZ");
            }},
        {{"list-zones"}, "", [](Options& o, const std::string&) { o.listZones = true; }},
        {{"clock-color"}, "N", [](Options& o, const std::string& v) { o.clockColour = v; }},
        {{"background"}, "N", [](Options& o, const std::string& v) { o.background = v; }},
        {{"night"}, "HH:MM-HH:MM", takeNight},
        {{"night-level"}, "PERCENT", takeNightLevel},
        {{"screen-care"}, "", [](Options& o, const std::string&) { o.screenCare = true; }},
        {{"png"}, "FILE", [](Options& o, const std::string& v) { o.png = v; }},
        {{"svg"}, "FILE", [](Options& o, const std::string& v) { o.svg = v; }},
        {{"ops"}, "", [](Options& o, const std::string&) { o.ops = true; }},
        {{"version"}, "",
            [](Options&, const std::string&) {
                std::printf("horavista-render %s\n", hv::kVersion);
                std::exit(outputWritten() ? 0 : 1);
            }},
        {{"h", "help"}, "",
            [](Options&, const std::string&) {
                std::fputs(kUsage, stdout);
                std::exit(outputWritten() ? 0 : 1);
            }},
    };
    return declared;
}

const Declared* findDeclared(const std::string& name)
{
    const auto& declared = declaredOptions();
    const auto found = std::find_if(declared.begin(), declared.end(),
        [&](const Declared& d) { return std::find(d.names.begin(), d.names.end(), name) != d.names.end(); });
    return found == declared.end() ? nullptr : &*found;
}

std::string optionName(const std::string& argument)
{
    if (argument.empty() || argument[0] != '-')
        return {};
    const std::string name = argument.substr(argument.starts_with("--") ? 2 : 1);
    return name.substr(0, name.find('='));
}

void refuse(const std::vector<std::string>& unknownNames, const std::vector<std::string>& given)
{
    auto first = [&](const auto& matches) {
        const auto found = std::find_if(given.begin(), given.end(), matches);
        return found == given.end() ? std::string() : *found;
    };
    if (!unknownNames.empty())
        fail("unknown argument " + first([&](const std::string& a) { return optionName(a) == unknownNames.front(); }));
    const std::string valueGiven = first([](const std::string& a) {
        const Declared* d = a.find('=') == std::string::npos ? nullptr : findDeclared(optionName(a));
        return d && d->valueName.empty();
    });
    if (!valueGiven.empty())
        fail("unknown argument " + valueGiven);
    fail(given.back() + " needs a value");
}

Options takeAll(const std::vector<std::pair<const Declared*, std::string>>& found)
{
    Options o;
    for (const auto& [declared, value] : found)
        declared->take(o, value);
    if (o.listZones)
        return o;
    if (o.width == 0)
        fail("--size is required");
    if (o.time && (o.zone || o.atMs))
        fail("--time is the time shown; it takes no --zone or --at");
    if (o.nightLevel && !o.night)
        fail("--night-level is the level within the hours --night gives");
    if (int{o.ops} + int{o.png.has_value()} + int{o.svg.has_value()} != 1)
        fail("give one of --png FILE, --svg FILE or --ops");
    return o;
}

bool outputWritten()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::fprintf(stderr, "horavista-render: could not write the standard output: %s\n", std::strerror(errno));
    return false;
}

void fail(const std::string& message)
{
    std::fprintf(stderr, "horavista-render: %s\n%s", message.c_str(), kUsage);
    std::exit(2);
}

} // namespace render_tool
