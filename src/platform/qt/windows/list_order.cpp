#include "platform/qt/windows/list_order.h"

#include <QCollator>
#include <QLocale>

namespace hv::qt {

bool listOrderLess(const QString& a, const QString& b)
{
    // Setting a collator up costs far more than one comparison, and a list
    // of zones compares a few thousand times while it fills.
    thread_local const QCollator collator = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(a, b) < 0;
}

} // namespace hv::qt
