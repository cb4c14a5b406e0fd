#pragma once
// Ports for what the program needs from its surroundings besides windows and
// drawing. A front-end implements each; tests use fakes.
#include "platform/colour.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace hv {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal; returns the button pressed (1 for OK), or 0 when no box was
    // shown. Style as the classic message box flags: 16 stop, 32 question,
    // 48 exclamation, 64 information.
    virtual int show(const std::string& text, int style, const std::string& title) = 0;
};

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    // The platform's colour dialog, modal, starting at colour. Returns the
    // colour the user picked, or colour itself when the dialog was
    // cancelled.
    virtual Colour showColor(Colour colour) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Dispatches every event waiting for the program, then returns.
    virtual void pumpEvents() = 0;
};

class ProgramLifetime {
public:
    virtual ~ProgramLifetime() = default;
    // Ends the program here and now: no further handler runs. The exit
    // status is 0 for the user's own end and non-zero after a failure.
    [[noreturn]] virtual void endNow(int exitStatus = 0) = 0;
};

class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    // Seconds since midnight of the current time in the zone with this
    // catalogue key name ("Asia/Kolkata"), with the fraction of the second
    // and with the zone's daylight saving when it is in force. An empty or
    // unknown key gives the computer's own local time.
    virtual double secondsSinceMidnight(std::string_view zoneKey) = 0;
};

// Simulated input and the execution state, in the shape of the Win32 calls
// the keep-awake tick makes; each front-end supplies its platform's
// equivalent.
class SystemInput {
public:
    static constexpr std::uint32_t kVkRightShift = 0xA1;
    static constexpr std::uint32_t kMapVkToVsc = 0;
    static constexpr std::uint32_t kKeyEventKeyUp = 0x0002;
    static constexpr std::uint32_t kEsSystemRequired = 0x00000001;

    virtual ~SystemInput() = default;
    // Scan code of a virtual key; 0 when the key has none here.
    virtual std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
    // One key event into the system's input stream (press, or release with
    // kKeyEventKeyUp), delivered to the window that has the keyboard focus.
    virtual void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
    // Tells the system it is in use: resets its idle timer once.
    virtual void setExecutionState(std::uint32_t flags) = 0;
    // While held, the desktop neither blanks the screen nor starts its
    // screen saver for want of input; desktops that ignore simulated input
    // honour this. Holding what is held, or releasing what is not, changes
    // nothing. A system whose idle timer the calls above reset has nothing
    // to hold.
    virtual void holdIdleInhibition(bool hold) { static_cast<void>(hold); }
};

} // namespace hv
