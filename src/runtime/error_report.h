#pragma once
// How a trapped run-time error reaches the user: one modal box with the
// error's description and where it happened, after which the procedure goes
// on with its next statement.
#include "platform/services.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace hv {

inline constexpr std::string_view kSupportAddress = "support@quellmark.example";
inline constexpr std::string_view kErrorTitle = "Application Error";
inline constexpr int kErrorStyle = 48; // exclamation icon, OK only

// "description\r\nin Horavista2021/08/31.Form2.Form_Load at line 104\r\r
// Please email screenshot of this message to <support>"
std::string errorReportText(std::string_view description, std::string_view location, int line);

// Runs the numbered statements of one trapping procedure. A statement that
// raises is reported under the procedure's location ("Form2.Timer1_Timer")
// and the line number given with it; the next statement then runs.
class ErrorTrap {
public:
    // mayReport, when given, is asked at each failure whether to show it;
    // a failure kept quiet still ends its statement.
    ErrorTrap(MessageBoxes& boxes, std::string location, std::function<bool()> mayReport = {})
        : boxes_(boxes)
        , location_(std::move(location))
        , mayReport_(std::move(mayReport))
    {
    }

    // Returns whether the statement completed.
    template <typename Statement>
    bool operator()(int line, Statement&& statement)
    {
        try {
            statement();
            return true;
        } catch (const std::exception& e) {
            report(e.what(), line);
            return false;
        }
    }

    // Whether the last failure reached the user in a box.
    bool lastReported() const { return lastReported_; }

private:
    void report(std::string_view description, int line);

    MessageBoxes& boxes_;
    std::string location_;
    std::function<bool()> mayReport_;
    bool lastReported_ = false;
};

} // namespace hv
