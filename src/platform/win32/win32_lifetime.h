#pragma once
// The program's run: waiting messages dispatched on request, and its end.
#include "platform/services.h"

#include <windows.h>

namespace hv::win32 {

class Win32EventPump : public EventPump {
public:
    // A quit request met here is left in the queue for the message loop.
    void pumpEvents() override;
};

// Hands a queued message to its window. In a window with controls, Tab
// and Enter take the system's dialog handling: Tab moves among the
// controls, Enter presses the focused button, once however long it is held.
void dispatchMessage(MSG& msg);

class Win32Lifetime : public ProgramLifetime {
public:
    [[noreturn]] void endNow(int exitStatus) override;
};

} // namespace hv::win32
