#pragma once
// The full-screen clock window: its set-up, geometry, keys, closing and
// the two timers that draw the clock and keep the computer awake.
#include "clock/clock_host.h"
#include "clock/frame.h"
#include "clock/geometry.h"
#include "clock/hide_word.h"
#include "clock/surface.h"
#include "platform/platform.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace hv {

class Form2 : public std::enable_shared_from_this<Form2> {
public:
    inline static const std::string kHint = "Press ESC To Exit. Type 'hide' to hide this text.";

    // Creates the window with its design values and runs the set-up.
    static std::shared_ptr<Form2> load(Platform& platform, ClockHost& host);

    Form2(Platform& platform, ClockHost& host) : p_(platform), host_(host) {}

    // Catalogue key name of the zone whose time the frames show; empty for
    // the computer's own time.
    std::string mTimeZone;

    void Form_Load();
    // A window that is closing stays hidden.
    void show()
    {
        if (!closing_)
            view_->show();
    }
    void Form_Resize();
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift);
    void Form_MouseMove();
    void Form_QueryUnload();
    void Timer1_Timer();
    void Timer2_Timer();

    // Called by the program once the close handling has run.
    void markUnloaded();
    bool loaded() const { return loaded_; }
    bool closing() const { return closing_; }
    void beginClosing() { closing_ = true; }

    const ClockGeometry& geometry() const { return geometry_; }
    Control& hint() { return *hint_; }
    WindowView& view() { return *view_; }

private:
    void build();
    // Form_Resize, with a client area too large for the dial's geometry
    // taken as none.
    void resized();
    void collapseHint();

    Platform& p_;
    ClockHost& host_;
    std::unique_ptr<WindowView> view_;
    std::optional<Surface> surface_;
    Control* hint_ = nullptr;
    Timer* timer1_ = nullptr;
    Timer* timer2_ = nullptr;

    ClockGeometry geometry_;
    HideWord hideWord_;
    bool loaded_ = true;
    bool closing_ = false;
    // A drawing error that persists would otherwise be told at every tick:
    // it is told once per opening, and later frames that fail show the
    // background.
    bool drawingReported_ = false;
};

} // namespace hv
