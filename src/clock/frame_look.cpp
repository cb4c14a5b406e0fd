#include "clock/frame_look.h"

#include "clock/night_hours.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"

#include <cstdint>

namespace hv {

namespace {

// Reads a key by its own statement; the default stands when the stored
// value raises.
template <typename Value>
Value option(const SettingsStore& store, const OptionStatement& run, int line, std::string_view key,
    std::string_view fallback, Value (*parse)(std::string_view))
{
    Value value = parse(fallback);
    run(line, [&] { value = parse(store.get(key, fallback)); });
    return value;
}

// The walk screen care follows, 96 minutes long: 96 divides a day, so the
// walk goes on across midnight by one pixel like any other minute, and a
// minute of the day has the same offset every day. The 81 offsets from -4
// to 4 in x and y are an odd number, so a cycle of one-pixel steps along x
// or y cannot visit each exactly once; this one, all such steps, runs
// along the rows from the top left (-4,-4) to the bottom right (4,4),
// left to right on the first row and turning at each end, then back up
// the right edge and along the top edge: 80 steps, then 8 and 8, the
// cells of those two edges lit for two minutes of the 96.
constexpr int kReach = 4;
constexpr int kSide = 2 * kReach + 1;
constexpr int kRows = kSide * kSide - 1;
constexpr int kWalk = kRows + 4 * kReach;
static_assert(kMinutesPerDay % kWalk == 0);

} // namespace

FrameLook storedFrameLook(const SettingsStore& store, const OptionStatement& run)
{
    namespace keys = settings;
    FrameLook look;
    look.nightDim = option(store, run, 106, keys::kNightDim, keys::kNightDimDefault, switchValue);
    if (look.nightDim) {
        look.nightFrom = option(store, run, 108, keys::kNightFrom, keys::kNightFromDefault, clockTimeValue);
        look.nightTo = option(store, run, 110, keys::kNightTo, keys::kNightToDefault, clockTimeValue);
        look.nightLevel = option(store, run, 112, keys::kNightLevel, keys::kNightLevelDefault, nightLevelValue);
    }
    look.screenCare = option(store, run, 114, keys::kScreenCare, keys::kScreenCareDefault, switchValue);
    return look;
}

bool switchValue(std::string_view text)
{
    const std::int16_t value = toInt16(text);
    if (value != 0 && value != 1)
        throw RuntimeError::invalidPropertyValue();
    return value == 1;
}

int nightLevelValue(std::string_view text)
{
    const std::int16_t value = toInt16(text);
    if (value < 5 || value > 100)
        throw RuntimeError::invalidPropertyValue();
    return value;
}

int clockTimeValue(std::string_view text)
{
    const auto minutes = parseClockTime(text);
    if (!minutes)
        throw RuntimeError::invalidPropertyValue();
    return *minutes;
}

Colour dimmed(Colour colour, int level)
{
    if (isSystemColour(colour))
        return colour;
    Colour result = 0;
    for (int shift : {0, 8, 16}) {
        const int channel = (colour >> shift) & 0xFF;
        result |= static_cast<Colour>(roundHalfEven(channel * level / 100.0)) << shift;
    }
    return result;
}

DialOffset screenCareOffset(int minuteOfDay)
{
    const int step = ((minuteOfDay % kWalk) + kWalk) % kWalk;
    if (step <= kRows) {
        const int row = step / kSide, column = step % kSide;
        return {row % 2 == 0 ? column - kReach : kReach - column, row - kReach};
    }
    const int back = step - kRows;
    if (back <= 2 * kReach)
        return {kReach, kReach - back};
    return {kReach - (back - 2 * kReach), -kReach};
}

} // namespace hv
