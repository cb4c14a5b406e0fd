#pragma once
// The order of the program's sorted lists: the user's locale collation,
// without regard to case. The drop-down list and the command-line tools
// share it, so a zone stands at the same place in both.
#include <QString>

namespace hv::qt {

// True when a sorts before b.
bool listOrderLess(const QString& a, const QString& b);

} // namespace hv::qt
