#include "app/reporting_settings_store.h"

#include "runtime/error_report.h"
#include "shared/window_rules.h"

namespace hv {

namespace {

std::string failureText(const std::string& location, const std::string& reason)
{
    const std::string where = location.empty() ? "" : " to " + location;
    return "Horavista could not save its options" + where + ": " + reason
        + ".\r\nChanges made now will be lost when it closes.";
}

std::string damagedText(const std::string& location, const std::string& copy)
{
    return "Horavista could not read every line of " + location
        + ", and options on those lines are back at their defaults.\r\nThe file as it was is kept in " + copy + ".";
}

} // namespace

SettingsStore::WriteResult ReportingSettingsStore::write(std::string_view key, std::string_view text)
{
    WriteResult result = store_.write(key, text);
    const std::string title(kProductName);
    if (!result.damagedCopy.empty())
        boxes_.show(damagedText(store_.location(), result.damagedCopy), kErrorStyle, title);
    // A box left out because another was open does not count as told.
    if (!result.saved() && !failureReported_)
        failureReported_ = boxes_.show(failureText(store_.location(), result.failure), kErrorStyle, title) != 0;
    return result;
}

} // namespace hv
