#include "platform/qt/windows/qt_keys.h"

#include <QKeyEvent>

#include <string_view>

namespace hv::qt {

std::int16_t virtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(0x70 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Meta: return 91;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0xFF;
    }
}

namespace {

// The letters of a US keyboard in the order of their evdev codes: Q is 16,
// A is 30, Z is 44.
constexpr struct {
    unsigned firstCode;
    const char* letters;
} kLetterRows[] = {{16, "QWERTYUIOP"}, {30, "ASDFGHJKL"}, {44, "ZXCVBNM"}};

// The Latin letter at the place of an X11 or Wayland key code, or 0.
char letterAt(quint32 nativeScanCode)
{
    constexpr quint32 kEvdevOffset = 8;
    for (const auto& row : kLetterRows) {
        const std::string_view letters(row.letters);
        const quint32 first = row.firstCode + kEvdevOffset;
        if (nativeScanCode >= first && nativeScanCode < first + letters.size())
            return letters[nativeScanCode - first];
    }
    return 0;
}

} // namespace

std::int16_t virtualKeyOf(const QKeyEvent& event)
{
    const std::int16_t code = virtualKeyOf(event.key());
    const QString text = event.text();
    if (code != 0xFF || text.size() != 1 || !text[0].isLetter())
        return code;
    const char letter = letterAt(event.nativeScanCode());
    return letter ? static_cast<std::int16_t>(letter) : code;
}

std::int16_t shiftStateOf(int qtModifiers)
{
    std::int16_t state = 0;
    if (qtModifiers & Qt::ShiftModifier)
        state |= 1;
    if (qtModifiers & Qt::ControlModifier)
        state |= 2;
    if (qtModifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

} // namespace hv::qt
