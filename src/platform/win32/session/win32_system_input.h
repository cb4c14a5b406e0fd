#pragma once
// Keeping awake on Windows: the right Shift key by its virtual key and
// scan code, and the execution state.
#include "platform/keep_awake.h"

namespace hv::win32 {

class Win32KeepAwake : public KeepAwake {
public:
    // Held, the thread's execution state keeps the display on until it is
    // released; the tick's key press stays for what ignores that state.
    void hold(bool held) override;
    void pressKey() override;
    void releaseKey() override;
    void resetIdle() override;
};

} // namespace hv::win32
