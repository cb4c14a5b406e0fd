#include "platform/qt/drawing/qt_colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace hv::qt {

namespace {

QPalette::ColorRole roleOf(int systemIndex)
{
    switch (systemIndex) {
    case 5: return QPalette::Base; // window background
    case 8: return QPalette::Text; // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button; // button face
    case 16: return QPalette::Dark; // button shadow
    case 17: return QPalette::PlaceholderText; // grey text
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light; // button highlight
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return QPalette::Window;
    }
}

} // namespace

QColor toQColor(Colour colour)
{
    if (isSystemColour(colour))
        return QGuiApplication::palette().color(roleOf(systemColourIndex(colour)));
    const auto bits = static_cast<std::uint32_t>(colour);
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

} // namespace hv::qt
