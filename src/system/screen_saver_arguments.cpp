#include "system/screen_saver_arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

namespace hv {

const char* const kScreenSaverUsage = "Usage:\n"
                                      "  horavista.scr /s\tshow the clock on every monitor\n"
                                      "  horavista.scr /c\topen the options window\n"
                                      "  horavista.scr /p HWND\tdraw a preview into the window HWND\n"
                                      "  horavista.scr /?\tshow this help\n"
                                      "  horavista.exe /remove-log-in\tremove the log-in entry and end\n"
                                      "Without an argument the options window opens.";

namespace {

// A window handle as Windows writes it: a decimal number, never 0.
std::optional<std::uintptr_t> windowNumber(std::string_view text)
{
    std::uintptr_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number == 0)
        return std::nullopt;
    return number;
}

std::string lowered(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

ScreenSaverRequest ParseScreenSaverArguments(const std::vector<std::string>& arguments)
{
    using Action = ScreenSaverRequest::Action;
    const auto refuse = [&] {
        std::string all;
        for (const std::string& argument : arguments)
            all += (all.empty() ? "" : " ") + argument;
        return ScreenSaverRequest{Action::NotUnderstood, 0, all};
    };
    if (arguments.empty())
        return {};
    const std::string first = lowered(arguments[0]);
    if (first == "/remove-log-in")
        return arguments.size() == 1 ? ScreenSaverRequest{Action::RemoveLogIn} : refuse();
    const std::string_view switchPart = std::string_view(first).substr(0, 2);
    // "/p:123" carries its window; "/p 123" has it in the next argument.
    std::string_view attached;
    if (first.size() > 2) {
        if (first[2] != ':')
            return refuse();
        attached = std::string_view(first).substr(3);
    }
    const bool separate = arguments.size() == 2 && first.size() == 2;
    if (arguments.size() > (separate ? 2u : 1u))
        return refuse();
    if (switchPart == "/s" && first.size() == 2 && arguments.size() == 1)
        return {Action::Show};
    if (switchPart == "/c" && arguments.size() == 1)
        // The control panel's window is the settings' parent; the options
        // window opens on its own.
        return {Action::Options};
    if (switchPart == "/?" && first.size() == 2 && arguments.size() == 1)
        return {Action::Usage};
    if (switchPart == "/p")
        if (const auto host = windowNumber(separate ? std::string_view(arguments[1]) : attached))
            return {Action::Preview, *host};
    return refuse();
}

} // namespace hv
