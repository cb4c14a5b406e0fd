#include "tz/time_zone_catalogue.h"

#include "platform/runtime.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

namespace hv {

namespace {

constexpr std::size_t kNameCapacity = 2048;
constexpr std::size_t kTextCapacity = 2048;
constexpr std::size_t kTziCapacity = 60;
// List positions are stored as 16-bit numbers.
constexpr std::int16_t kMaxZones = std::numeric_limits<std::int16_t>::max();

// Closes a key when the scope ends, also when an error leaves it early.
class KeyCloser {
public:
    KeyCloser(Registry& registry, RegKey key) : registry_(registry), key_(key) {}
    ~KeyCloser() { registry_.closeKey(key_); }
    KeyCloser(const KeyCloser&) = delete;
    KeyCloser& operator=(const KeyCloser&) = delete;
    RegKey get() const { return key_; }

private:
    Registry& registry_;
    RegKey key_;
};

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
    const char formatted[] = {char('0' + hour / 10), char('0' + hour % 10), ':', char('0' + minute / 10),
                              char('0' + minute % 10)};
    return std::string(formatted, sizeof formatted);
}

// Reads "TZI" into the zone's block; false when the value is missing, is
// no 44-byte binary block, or holds an offset from UTC of a day or more,
// which no zone has and Windows cannot apply.
bool readTzi(Registry& registry, RegKey key, Tzi::Bytes& tzi)
{
    std::array<std::uint8_t, kTziCapacity> buffer{};
    std::uint32_t type = reg::kBinary;
    std::uint32_t size = kTziCapacity;
    if (registry.queryValue(key, "TZI", type, buffer, size) != reg::kSuccess || type != reg::kBinary ||
        size != Tzi::kSize)
        return false;
    std::copy_n(buffer.begin(), tzi.size(), tzi.begin());
    const Tzi block = Tzi::fromBytes(tzi);
    const auto withinADay = [&](std::int32_t extra) {
        constexpr std::int64_t kDay = 24 * 60;
        const std::int64_t offset = std::int64_t{block.bias} + extra;
        return offset > -kDay && offset < kDay;
    };
    return withinADay(0) && withinADay(block.standardBias) && withinADay(block.daylightBias);
}

template <typename T>
const T& element(const std::vector<T>& table, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        throw RuntimeError::subscriptOutOfRange();
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::string TrimNull(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

std::string FormatZoneName(std::string_view display)
{
    const std::size_t open = display.find('(');
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t close = display.find(')');
    // Without a closing parenthesis after the opening one the inner part runs
    // to the end of the text.
    const std::string inner = upperCase(close != std::string_view::npos && close > start
                                            ? display.substr(start, close - start)
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
    const std::string path = WindowsKeyPath() + "Time Zones";
    // Without a single zone there is no list to choose from: as missing.
    if (!EnumTimeZones(path)) {
        const std::string note = system_.missingCatalogueNote();
        boxes_.show((note.empty() ? "" : note + "\r\n") + " [HKey_Local_Machine] " + path, 80, "");
        lifetime_.endNow(1);
    }
}

std::int32_t TimeZoneCatalogue::GetCurrentBias()
{
    // Whether daylight time is in force does not matter: the offsets the
    // options window works out compare standard biases.
    TimeZoneInformation info{};
    system_.getTimeZoneInformation(info);
    return info.bias;
}

bool TimeZoneCatalogue::EnumTimeZones(const std::string& path)
{
    RegKey rootKey = 0;
    registry_.openKey(reg::kHKeyLocalMachine, path, 0, reg::kKeyRead, rootKey);
    if (rootKey == 0)
        return false;
    const KeyCloser root(registry_, rootKey);

    // Each load rebuilds the tables from slot 0; a zone whose key will not
    // open, or whose rules are damaged, gets no slot, so the indices have
    // no gaps. A load that finds no zone at all leaves the tables as they
    // were.
    std::int16_t found = 0;
    std::string nameBuffer;
    for (std::uint32_t index = 0;; ++index) {
        nameBuffer.assign(kNameCapacity, ' ');
        const long status = registry_.enumKey(root.get(), index, nameBuffer);
        // A name too long for the buffer is one bad row, not the end of
        // the list: the zones after it still count.
        if (status == reg::kMoreData) {
            std::fprintf(stderr, "horavista: time zone %u of the catalogue has a name longer than %zu characters; left out\n",
                         index, kNameCapacity - 1);
            continue;
        }
        if (status != reg::kSuccess)
            break;
        if (found == kMaxZones) {
            std::fprintf(stderr, "horavista: the catalogue has more time zones than the list can hold; it keeps the first %d\n",
                         kMaxZones);
            break;
        }
        const std::string name = TrimNull(nameBuffer);
        RegKey zoneKey = 0;
        if (registry_.openKey(reg::kHKeyLocalMachine, path + "\\" + name, 0, reg::kKeyRead, zoneKey) != reg::kSuccess)
            continue;
        const KeyCloser zone(registry_, zoneKey);
        // A zone without sound rules would show some other time, or none.
        TimeZoneEntry read;
        if (!readTzi(registry_, zone.get(), read.TZI)) {
            std::fprintf(stderr, "horavista: time zone \"%s\" of the catalogue has no sound \"TZI\" value; left out\n",
                         name.c_str());
            continue;
        }
        const auto slot = static_cast<std::size_t>(found);
        list_.resize(slot + 1);
        keyNames_.resize(slot + 1);
        keyNames_[slot] = name;
        TimeZoneEntry& entry = list_[slot] = std::move(read);
        entry.Display = FormatZoneName(ReadRegString(zone.get(), "Display"));
        entry.Std = ReadRegString(zone.get(), "Std");
        entry.Dlt = ReadRegString(zone.get(), "Dlt");
        entry.MapID = ReadRegString(zone.get(), "MapID");
        ++found;
    }
    return found > 0;
}

std::string TimeZoneCatalogue::WindowsKeyPath()
{
    return std::string("SOFTWARE\\Microsoft\\Windows") + (IsWindowsNT() ? " NT" : "") + "\\CurrentVersion\\";
}

bool TimeZoneCatalogue::IsWindowsNT()
{
    OsVersionInfo info{};
    system_.getVersionEx(info);
    return info.platformId == SystemInfo::kPlatformWin32Nt && info.majorVersion >= 4;
}

std::string TimeZoneCatalogue::ReadRegString(RegKey key, std::string_view valueName)
{
    // A missing value leaves the blanks, which trim to nothing.
    std::string buffer(kTextCapacity, ' ');
    std::uint32_t type = reg::kString;
    std::uint32_t size = kTextCapacity;
    registry_.queryValue(key, valueName, type,
                         std::span(reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size()), size);
    return std::string(trimBlanks(TrimNull(buffer)));
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
