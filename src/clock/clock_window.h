#pragma once
// The full-screen clock: one window per monitor, or one on the options
// window's monitor when the user asks for one, or one inside a host window
// of another program. The windows share the zone, colours, hint and
// keep-awake, and act as one clock; the first window holds the two timers
// that draw the clock and keep the computer awake.
#include "clock/clock_host.h"
#include "clock/frame.h"
#include "clock/geometry.h"
#include "clock/hide_word.h"
#include "clock/pointer_travel.h"
#include "clock/surface.h"
#include "shared/presenter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

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
    void show() override;
    void keyDown(std::int16_t& keyCode, std::int16_t shift);
    void returnToOptions();
    void tick();
    void keepAwakeTick();

private:
    // One monitor's window, what is drawn on it and its dial's geometry.
    struct Dial {
        std::string monitor;
        WindowView* view = nullptr;
        // Null for the first window, which the presenter itself holds.
        std::unique_ptr<WindowView> ownView;
        std::optional<Surface> surface;
        Control* hint = nullptr;
        ClockGeometry geometry;
    };

    void build() override;
    void onUnload() override;
    std::unique_ptr<Dial> makeDial(const std::string& monitor);
    void addTimers(bool keepAwakeEnabled);
    // The monitors the clock should cover now; none inside a host window.
    std::vector<std::string> wantedMonitors() const;
    // The monitor of the first window: the options window's while it is
    // there, else the primary.
    std::string homeMonitor() const;
    std::unique_ptr<Dial> dressedLike(const Dial& model, std::unique_ptr<Dial> dial);
    // Opens a window on each wanted monitor that has none and closes those
    // of monitors that went.
    void coverMonitors();
    void closeDial(std::size_t index);
    void fitDial(Dial& dial);
    // fitDial, with a client area too large for the dial's geometry
    // taken as none.
    void resized(Dial& dial);
    void collapseHints();
    void mouseMoved(Dial& dial);
    // A screen saver on its own windows ends on the user's input.
    bool endsOnInput() const;
    void pointerAt(int x, int y);
    void closeRequested();

    ClockHost& host_;
    std::vector<std::unique_ptr<Dial>> dials_;
    Timer* tickTimer_ = nullptr;
    Timer* keepAwakeTimer_ = nullptr;
    // The options window's monitor as the clock opened.
    std::string singleMonitor_;
    HideWord hideWord_;
    bool hintCollapsed_ = false;
    bool shown_ = false;
    PointerTravel travel_;
    // A drawing error that persists would otherwise be told at every tick:
    // it is told once per opening, and later frames that fail show the
    // background.
    bool drawingReported_ = false;
    // So is a malformed option the frames read, by its line.
    std::set<int> optionsReported_;
};

} // namespace hv
