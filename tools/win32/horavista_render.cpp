// horavista-render.exe: the render tool on Windows, with the same options
// and output as on Linux, drawing through the clock window's own canvas and
// reading the zones, the time and the stored colours from Windows.
#include "clock/fonts.h"
#include "png_file.h"
#include "platform/win32/drawing/dib_canvas.h"
#include "platform/win32/windows/list_order.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/storage/win32_settings_store.h"
#include "platform/win32/zones/win32_time_of_day.h"
#include "platform/win32/windows/win32_units.h"
#include "platform/win32/zones/win32_zone_catalogue.h"
#include "render_command_line.h"
#include "render_run.h"
#include "shared/settings_keys.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using render_tool::Options;
using namespace hv;

// The arguments as Windows was given them, in UTF-8 whatever the code page.
std::vector<std::string> commandLine()
{
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(win32::narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

bool listLess(const std::string& a, const std::string& b)
{
    return win32::listOrderLess(win32::widen(a), win32::widen(b));
}

void listZones()
{
    win32::Win32ZoneCatalogue zones;
    render_tool::ZoneList(zones).print(listLess);
}

// Seconds since midnight to draw: the one given, or the zone's (or the
// computer's) time of day at the instant given or now.
double timeToDraw(const Options& options)
{
    if (options.time)
        return *options.time;
    win32::Win32ZoneCatalogue zones;
    const std::string zone = render_tool::zoneToDraw(options, zones);
    win32::Win32TimeOfDay timeOfDay;
    return options.atMs ? timeOfDay.secondsSinceMidnightAt(zone, *options.atMs) : timeOfDay.secondsSinceMidnight(zone);
}

void render(const Options& options)
{
    if (options.svg)
        throw std::runtime_error("--svg: the Windows tool writes no SVG pictures; --png writes the frame");
    namespace keys = settings;
    const win32::Win32SettingsStore stored(
        win32::Win32SettingsStore::keyPathFor(keys::kOrganisation, keys::kApplication));
    const std::string where = stored.location();
    const Colour clock = render_tool::colourOption(
        options.clockColour, "--clock-color", stored, keys::kClockColour, keys::kClockColourDefault, where);
    const Colour background = render_tool::colourOption(
        options.background, "--background", stored, keys::kBackgroundColour, keys::kBackgroundColourDefault, where);
    // The numerals' font at 96 dots per inch, as the Linux tool draws them.
    const std::unique_ptr<std::remove_pointer_t<HFONT>, decltype(&DeleteObject)> font(
        win32::createFont(kNumeralFont, USER_DEFAULT_SCREEN_DPI), DeleteObject);
    win32::DibCanvas image(options.width, options.height, font.get());
    render_tool::drawFrame(image, image, options, timeToDraw(options), clock, background);
    if (options.png)
        win32::writePng(image.pixels(), options.width, options.height, *options.png);
}

} // namespace

int main()
{
    // Zone names go out in UTF-8, as on Linux.
    SetConsoleOutputCP(CP_UTF8);
    const Options options = render_tool::parseCommandLine(commandLine());
    return render_tool::runReported([&] { options.listZones ? listZones() : render(options); });
}
