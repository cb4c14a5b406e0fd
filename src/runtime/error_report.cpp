#include "runtime/error_report.h"

namespace hv {

std::string errorReportText(std::string_view description, std::string_view location, int line)
{
    std::string text;
    text.append(description);
    text.append("\r\nin Horavista2021/08/31.");
    text.append(location);
    text.append(" at line ");
    text.append(std::to_string(line));
    text.append("\r\rPlease email screenshot of this message to ");
    text.append(kSupportAddress);
    return text;
}

void ErrorTrap::report(std::string_view description, int line)
{
    lastReported_ = (!mayReport_ || mayReport_())
        && boxes_.show(errorReportText(description, location_, line), kErrorStyle, std::string(kErrorTitle)) != 0;
}

} // namespace hv
