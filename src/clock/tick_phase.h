#pragma once
// When the drawing tick fires: just after a whole second of the wall clock,
// re-aimed at every tick so the second hand stands on whole seconds and
// the ticks never drift, whatever the system's timers or a suspend do.
#include <cstdint>

namespace hv {

// How long past the whole second a tick is aimed, so that a timer that
// fires a little early still reads the new second.
inline constexpr int kTickLandingMs = 2;
// The first tick comes about one second after the window opens; later
// ticks at least this long after the one before.
inline constexpr int kFirstTickGapMs = 500;
inline constexpr int kNextTickGapMs = 200;

// Milliseconds from nowMs (since the epoch) to the next landing point that
// is at least minGapMs away.
std::int64_t msToNextWholeSecond(std::int64_t nowMs, int minGapMs);

// The delay of the drawing timer from now by the wall clock: for its first
// tick, or for the next one as it ticks.
int msToNextTick(bool first);

} // namespace hv
