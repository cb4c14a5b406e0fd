#pragma once
// The full-screen clock window: its set-up, geometry, keys, closing and
// the two timers that draw the clock and keep the computer awake.
#include "clock/clock_host.h"
#include "clock/frame.h"
#include "clock/geometry.h"
#include "clock/hide_word.h"
#include "clock/surface.h"
#include "shared/presenter.h"

#include <cstdint>
#include <optional>
#include <string>

namespace hv {

class ClockWindow : public Presenter {
public:
    inline static const std::string kHint = "Press ESC To Exit. Type 'hide' to hide this text.";

    ClockWindow(Platform& platform, ClockHost& host)
        : Presenter(platform)
        , host_(host)
    {
    }

    // Catalogue key name of the zone whose time the frames show; empty for
    // the computer's own time.
    std::string zoneKey;

    void load() override;
    void fitDial();
    void keyDown(std::int16_t& keyCode, std::int16_t shift);
    void mouseMoved();
    void returnToOptions();
    void tick();
    void keepAwakeTick();

private:
    void build() override;
    void onUnload() override;
    // fitDial, with a client area too large for the dial's geometry
    // taken as none.
    void resized();
    void collapseHint();

    ClockHost& host_;
    std::optional<Surface> surface_;
    Control* hint_ = nullptr;
    Timer* tickTimer_ = nullptr;
    Timer* keepAwakeTimer_ = nullptr;

    ClockGeometry geometry_;
    HideWord hideWord_;
    // A drawing error that persists would otherwise be told at every tick:
    // it is told once per opening, and later frames that fail show the
    // background.
    bool drawingReported_ = false;
};

} // namespace hv
