#pragma once
// One frame of the clock: the dial with its numerals and tick marks, and
// the three hands for a time of day, all in the stored clock colour, which
// the night hours dim, and moved where screen care puts the dial.
#include "clock/frame_look.h"
#include "clock/geometry.h"
#include "clock/surface.h"
#include "platform/settings_store.h"

#include <cstdint>

namespace hv {

struct HandAngles {
    double hour, minute, second; // degrees clockwise from 12
};

// The hands' angles for t seconds since midnight (an hour of 13 or more
// loses 12).
HandAngles handAngles(double t);

class ClockPainter {
public:
    ClockPainter(
        Surface& surface, const ClockGeometry& geometry, const SettingsStore& settings, const FrameLook& look = {})
        : surface_(surface)
        , g_(geometry)
        , settings_(settings)
        , look_(look)
    {
    }

    // Wipes to the background, then dial and hands for t seconds since
    // midnight of the time shown, in the clock colour stored as the frame
    // starts, and as the look asks at that time. An error stops the frame where it happened and passes to the
    // caller.
    void draw(double t, Colour background);

private:
    void drawDial(Colour background, Colour colour);
    void drawNumeral(std::int16_t n);

    Surface& surface_;
    const ClockGeometry& g_;
    const SettingsStore& settings_;
    const FrameLook look_;
    // The dial's centre in this frame.
    std::int16_t centerX_ = 0, centerY_ = 0;
};

} // namespace hv
