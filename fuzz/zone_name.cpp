// Display texts of time zones as the registry may hold them. Any bytes
// give a text in the list's form without an error; a display text with an
// offset in any of the forms it has been written in gives the one form the
// list shows, "(UTC+05:30) Place".
#include "check.h"
#include "tz/time_zone_catalogue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using hv::fuzz::check;

std::string twoDigits(int n) { return {char('0' + n / 10), char('0' + n % 10)}; }

std::string withoutBlanksAround(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A name of the time, in upper or lower case letter by letter.
std::string timeName(FuzzedDataProvider& in, std::string& upper)
{
    upper = in.ConsumeBool() ? "UTC" : "GMT";
    std::string written = upper;
    for (char& c : written)
        if (in.ConsumeBool())
            c = static_cast<char>(c - 'A' + 'a');
    return written;
}

void checkWellFormed(FuzzedDataProvider& in)
{
    std::string name;
    std::string display(in.ConsumeIntegralInRange(0, 3), ' ');
    display += "(" + timeName(in, name);
    std::string expected = "(" + name;
    if (in.ConsumeBool()) {
        const char sign = in.ConsumeBool() ? '+' : '-';
        const int hour = in.ConsumeIntegralInRange(0, 23);
        const int minute = in.ConsumeIntegralInRange(0, 59);
        const bool oneDigitHour = hour < 10 && in.ConsumeBool();
        display += sign + (oneDigitHour ? std::to_string(hour) : twoDigits(hour)) + ":" + twoDigits(minute);
        if (in.ConsumeBool())
            display += ":" + twoDigits(in.ConsumeIntegralInRange(0, 59));
        expected += sign + twoDigits(hour) + ":" + twoDigits(minute);
    }
    display += ")" + std::string(in.ConsumeIntegralInRange(0, 3), ' ');
    // The place: anything but a closing parenthesis, which would end the
    // offset's part early.
    std::string place = in.ConsumeRemainingBytesAsString();
    std::erase(place, ')');
    display += place;
    expected += ") " + withoutBlanksAround(place);
    check(hv::FormatZoneName(display) == expected, "an offset in any written form comes out as hh:mm");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string formatted = hv::FormatZoneName(text);
    check(formatted.starts_with('(') && formatted.find(") ") != std::string::npos, "a name and then \") \"");
    const std::size_t close = text.find(')');
    if (close != std::string_view::npos)
        check(formatted.ends_with(withoutBlanksAround(std::string(text.substr(close + 1)))),
            "the place after the first \")\" is kept");

    FuzzedDataProvider in(data, size);
    checkWellFormed(in);
    return 0;
}
