#pragma once
// The system's modal boxes: message boxes and the colour dialog, each owned
// by the window that is active when it opens.
#include "platform/services.h"

#include <windows.h>

namespace hv::win32 {

class Win32MessageBoxes : public MessageBoxes {
public:
    // The style goes to the box as it is: its icon and button bits are the
    // system's own.
    int show(const std::string& text, int style, const std::string& title) override;
};

class Win32ColourDialog : public ColourDialog {
public:
    Colour showColor(Colour colour) override;

private:
    // The dialog's sixteen custom colours, kept while the program runs.
    COLORREF custom_[16] = {};
};

} // namespace hv::win32
