// The options window's list of time zones: filled from the catalogue,
// sorted by the list itself, each entry pointing back at its catalogue
// index, and the stored or the computer's own zone selected. The catalogue
// is read as the window loads, so that a missing one ends the program
// before any window shows; the list is filled once the window is on the
// screen, or before it is used if that comes first.
#include "app/options_window.h"

#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"
#include "tz/own_zone.h"
#include "tz/time_zone_catalogue.h"

#include <utility>

namespace hv {

void OptionsWindow::listZones()
{
    ErrorTrap trap(p_.messageBoxes, "Form1.ListTimeZones");
    trap(100, [&] { host_.catalogue().LoadTimeZones(); });
    zonesPending_ = true;
}

void OptionsWindow::fillZoneList()
{
    if (!std::exchange(zonesPending_, false))
        return;
    TimeZoneCatalogue& catalogue = host_.catalogue();
    ErrorTrap trap(p_.messageBoxes, "Form1.ListTimeZones");
    std::int32_t current = 0;
    ListOrder order;
    int selected = -1;
    trap(102, [&] { current = catalogue.GetCurrentBias(); });
    trap(104, [&] { zoneList_->clear(); });
    trap(106, [&] {
        for (std::int32_t i = 0; i <= catalogue.upperBound(); ++i)
            zoneList_->setItemData(zoneList_->addItem(catalogue.entry(i).Display), i);
    });
    // Where no choice is stored, the list starts on the computer's own zone.
    trap(108, [&] {
        for (int p = 0; p < zoneList_->listCount(); ++p)
            order.push_back(zoneList_->itemData(p));
        selected = OwnZonePosition(catalogue, order, p_.zones, current);
    });
    // The stored zone where the list still has it, wherever it now stands;
    // otherwise the stored position. Either way the selection writes both
    // back.
    trap(110, [&] {
        const int chosen = PositionOfKey(catalogue, order, p_.settings.get(settings::kTimeZoneName, ""));
        zoneList_->setListIndex(
            chosen >= 0 ? chosen : toInt16(p_.settings.get(settings::kTimeZone, decimalText(selected))));
    });
}

} // namespace hv
