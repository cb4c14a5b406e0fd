#pragma once
// Ports for what the program needs from its surroundings besides windows and
// drawing. A front-end implements each; tests use fakes.
#include "drawing/colour.h"

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

} // namespace hv
