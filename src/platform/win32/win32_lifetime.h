#pragma once
// The program's run: waiting messages dispatched on request, and its end.
#include "platform/services.h"

namespace hv::win32 {

class Win32EventPump : public EventPump {
public:
    // A quit request met here is left in the queue for the message loop.
    void pumpEvents() override;
};

class Win32Lifetime : public ProgramLifetime {
public:
    [[noreturn]] void endNow(int exitStatus) override;
};

} // namespace hv::win32
