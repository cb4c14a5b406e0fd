// The options window's list of time zones: filled from the catalogue,
// sorted by the list itself, each entry pointing back at its catalogue
// index, and the stored or the computer's own zone selected.
#include "app/form1.h"

#include "app/program.h"
#include "app/settings_keys.h"
#include "platform/error_report.h"
#include "platform/runtime.h"

namespace hv {

void Form1::ListTimeZones()
{
    TimeZoneCatalogue& catalogue = program_.catalogue();
    ErrorTrap trap(p_.messageBoxes, "Form1.ListTimeZones");
    std::int32_t current = 0;
    int selected = -1;
    trap(100, [&] { catalogue.LoadTimeZones(); });
    trap(102, [&] { current = catalogue.GetCurrentBias(); });
    trap(104, [&] { combo1_->clear(); });
    trap(106, [&] {
        for (std::int32_t i = 0; i <= catalogue.upperBound(); ++i)
            combo1_->setItemData(combo1_->addItem(catalogue.entry(i).Display), i);
    });
    // The entry of the zone the computer is set to, by its key name; only
    // when the catalogue has no such key, the first entry in list order
    // with the same standard bias, else the first entry.
    trap(108, [&] {
        const std::string own = p_.system.currentZoneKeyName();
        for (int p = 0; p < combo1_->listCount() && selected == -1 && !own.empty(); ++p)
            if (catalogue.keyName(combo1_->itemData(p)) == own)
                selected = p;
    });
    trap(110, [&] {
        for (int p = 0; p < combo1_->listCount() && selected == -1; ++p)
            if (catalogue.entry(combo1_->itemData(p)).bias() == current)
                selected = p;
    });
    trap(112, [&] {
        if (selected == -1)
            selected = 0;
    });
    trap(114, [&] { combo1_->setListIndex(toInt16(p_.settings.get(settings::kTimeZone, decimalText(selected)))); });
}

} // namespace hv
