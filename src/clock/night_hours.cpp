#include "clock/night_hours.h"

namespace hv {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<int> parseClockTime(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    int hour = 0;
    for (char c : text.substr(0, colon)) {
        if (!isDigit(c))
            return std::nullopt;
        hour = hour * 10 + (c - '0');
    }
    const char tens = text[colon + 1], units = text[colon + 2];
    if (!isDigit(tens) || !isDigit(units) || hour > 23 || tens > '5')
        return std::nullopt;
    return hour * 60 + (tens - '0') * 10 + (units - '0');
}

bool insideNight(int minute, int from, int to)
{
    if (from <= to)
        return minute >= from && minute < to;
    return minute >= from || minute < to;
}

} // namespace hv
