#pragma once
// What a frame does beyond its colours: dimmed in the night hours, and,
// with screen care, the dial moved a few pixels along a path that changes
// once a minute, so no pixel of an always-on screen stays lit in one place
// for hours.
#include "drawing/colour.h"
#include "platform/settings_store.h"

#include <functional>
#include <string_view>

namespace hv {

struct FrameLook {
    bool nightDim = false;
    int nightFrom = 0, nightTo = 0; // minutes since midnight
    int nightLevel = 100; // percent of the clock colour
    bool screenCare = false;
};

// Runs one statement that reads an option, reporting what it raises;
// returns whether it completed.
using OptionStatement = std::function<bool(int line, const std::function<void()>& statement)>;

// The options as stored, each read by its own numbered statement (the
// night hours and level only when dimming is on). A stored value that is
// malformed raises in its statement, which leaves that option at its
// default: a frame is drawn all the same.
FrameLook storedFrameLook(const SettingsStore& store, const OptionStatement& run);

// Stored texts as values, raising what a window raises for a property
// value it does not take: a switch is "0" or "1", a night level a whole
// percentage from 5 to 100, a time "HH:MM".
bool switchValue(std::string_view text);
int nightLevelValue(std::string_view text);
int clockTimeValue(std::string_view text);

// The colour with each of red, green and blue times the level in percent,
// rounded half to even as the program rounds; a system colour, whose
// parts the system decides, as it is.
Colour dimmed(Colour colour, int level);

struct DialOffset {
    int x = 0, y = 0;
};

// Where screen care puts the dial, relative to its place, at a minute of
// the day.
DialOffset screenCareOffset(int minuteOfDay);

} // namespace hv
