#include "platform/win32/windows/win32_dialogs.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_units.h"

#include <commdlg.h>

namespace hv::win32 {

int Win32MessageBoxes::show(const std::string& text, int style, const std::string& title)
{
    return MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(title).c_str(), static_cast<UINT>(style));
}

Colour Win32ColourDialog::showColor(Colour colour)
{
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = GetActiveWindow();
    choice.rgbResult = toColorref(colour);
    choice.lpCustColors = custom_;
    choice.Flags = CC_RGBINIT;
    if (!ChooseColorW(&choice))
        return colour;
    return static_cast<Colour>(choice.rgbResult & 0xFFFFFFu);
}

} // namespace hv::win32
