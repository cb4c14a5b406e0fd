#pragma once
#include "drawing/colour.h"

#include <QColor>

namespace hv::qt {

// A stored colour (0x00BBGGRR) or system-colour reference as a QColor; the
// references take their colour from the application's palette.
QColor toQColor(Colour colour);

} // namespace hv::qt
