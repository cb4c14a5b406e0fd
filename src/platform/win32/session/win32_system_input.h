#pragma once
// Keeping awake on Windows: the right Shift key by its virtual key and
// scan code, and the execution state.
#include "platform/keep_awake.h"

namespace hv::win32 {

class Win32KeepAwake : public KeepAwake {
public:
    // The execution state the tick sets resets the idle timer that blanks
    // the screen: there is nothing to hold in between.
    void hold(bool) override {}
    void pressKey() override;
    void releaseKey() override;
    void resetIdle() override;
};

} // namespace hv::win32
