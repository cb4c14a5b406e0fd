#include "tz/time_zone_catalogue.h"

#include "runtime/runtime.h"

#include <cstdio>
#include <limits>

namespace hv {

namespace {

// The buffers the catalogue's texts were once read into: a key name must
// leave room for its NUL, and a display text too long for its buffer read
// as none.
constexpr std::size_t kNameCapacity = 2048;
constexpr std::size_t kTextCapacity = 2048;
// List positions are stored as 16-bit numbers.
constexpr std::int16_t kMaxZones = std::numeric_limits<std::int16_t>::max();

// Where the message that the catalogue is missing says it looked.
constexpr char kCatalogueKey[] = " [HKey_Local_Machine] SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// ASCII only: the texts may carry UTF-8, whose bytes must stay as they are
// whatever locale the front-end has set.
std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// Takes one or two digits (at least minDigits) no greater than max from the
// front of text.
bool takeNumber(std::string_view& text, std::size_t minDigits, int max, int& value)
{
    std::size_t n = 0;
    value = 0;
    while (n < 2 && n < text.size() && text[n] >= '0' && text[n] <= '9')
        value = value * 10 + (text[n++] - '0');
    if (n < minDigits || value > max)
        return false;
    text.remove_prefix(n);
    return true;
}

bool takeColon(std::string_view& text)
{
    if (text.empty() || text.front() != ':')
        return false;
    text.remove_prefix(1);
    return true;
}

// The offset of a display text ("5:30", "14:00", "5:30:00") as hh:mm.
// Anything that is no time of day - an offset without minutes, or the tail
// of a display text without parentheses - is kept as it stands, so the list
// still shows what the registry holds instead of losing the zone.
std::string formatTime(std::string_view text)
{
    std::string_view rest = text;
    int hour = 0, minute = 0, second = 0;
    const bool isTime = takeNumber(rest, 1, 23, hour) && takeColon(rest) && takeNumber(rest, 2, 59, minute)
        && (rest.empty() || (takeColon(rest) && takeNumber(rest, 2, 59, second) && rest.empty()));
    if (!isTime)
        return std::string(text);
    const char formatted[]
        = {char('0' + hour / 10), char('0' + hour % 10), ':', char('0' + minute / 10), char('0' + minute % 10)};
    return std::string(formatted, sizeof formatted);
}

template <typename T>
const T& element(const std::vector<T>& table, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        throw RuntimeError::subscriptOutOfRange();
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::string FormatZoneName(std::string_view display)
{
    const std::size_t open = display.find('(');
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t close = display.find(')');
    // Without a closing parenthesis after the opening one the inner part runs
    // to the end of the text.
    const std::string inner
        = upperCase(close != std::string_view::npos && close > start ? display.substr(start, close - start)
                                                                     : display.substr(start));
    std::string prefix, time;
    if (inner == "GMT") {
        prefix = inner;
    } else {
        prefix = inner.substr(0, 4);
        if (inner.size() > 4)
            time = formatTime(std::string_view(inner).substr(4));
    }
    const std::string_view rest = trimBlanks(close == std::string_view::npos ? display : display.substr(close + 1));
    return "(" + prefix + time + ") " + std::string(rest);
}

void TimeZoneCatalogue::LoadTimeZones()
{
    std::vector<TimeZoneEntry> list;
    std::vector<std::string> keyNames;
    const std::vector<CatalogueZone> zones = zones_.zones();
    for (std::size_t index = 0; index < zones.size(); ++index) {
        const CatalogueZone& zone = zones[index];
        // A name too long for the buffer is one bad row, not the end of
        // the list: the zones after it still count.
        if (zone.key.size() >= kNameCapacity) {
            std::fprintf(stderr,
                "horavista: time zone %zu of the catalogue has a name longer than %zu characters; left out\n", index,
                kNameCapacity - 1);
            continue;
        }
        if (list.size() == static_cast<std::size_t>(kMaxZones)) {
            std::fprintf(stderr,
                "horavista: the catalogue has more time zones than the list can hold; it keeps the first %d\n",
                kMaxZones);
            break;
        }
        keyNames.push_back(zone.key);
        const std::string_view display = zone.display.size() < kTextCapacity ? trimBlanks(zone.display) : "";
        list.push_back({FormatZoneName(display), zone.bias});
    }
    // Without a single zone there is no list to choose from: as missing.
    if (list.empty()) {
        const std::string note = zones_.missingCatalogueNote();
        boxes_.show((note.empty() ? "" : note + "\r\n") + kCatalogueKey, 80, "");
        lifetime_.endNow(1);
    }
    list_ = std::move(list);
    keyNames_ = std::move(keyNames);
}

std::int32_t TimeZoneCatalogue::GetCurrentBias()
{
    // Whether daylight time is in force does not matter: the offsets the
    // options window works out compare standard biases.
    return zones_.ownStandardBias();
}

int TimeZoneCatalogue::upperBound() const
{
    if (list_.empty())
        throw RuntimeError::subscriptOutOfRange();
    return static_cast<int>(list_.size()) - 1;
}

const TimeZoneEntry& TimeZoneCatalogue::entry(std::int32_t index) const { return element(list_, index); }

const std::string& TimeZoneCatalogue::keyName(std::int32_t index) const { return element(keyNames_, index); }

} // namespace hv
