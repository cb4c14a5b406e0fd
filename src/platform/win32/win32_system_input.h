#pragma once
// The keep-awake tick's calls, straight to Windows.
#include "platform/services.h"

namespace hv::win32 {

class Win32SystemInput : public SystemInput {
public:
    std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    void setExecutionState(std::uint32_t flags) override;
};

} // namespace hv::win32
