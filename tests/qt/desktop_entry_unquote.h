#pragma once
// What a launcher makes of a desktop entry's Exec value, read straight from
// the Desktop Entry rules and independent of the program's writer. Strict:
// a value that breaks a rule gives nothing, so a writer that breaks one is
// caught rather than read generously.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hv::test {

// A string value with its escapes undone (\s \n \t \r \\). Nothing for any
// other escape, a backslash at the very end, or a raw control character,
// which no value may hold.
inline std::optional<std::string> unescapeDesktopString(std::string_view value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (c < 0x20 || c == 0x7f)
            return std::nullopt;
        if (c != '\\') {
            text += static_cast<char>(c);
            continue;
        }
        if (++i == value.size())
            return std::nullopt;
        switch (value[i]) {
        case 's': text += ' '; break;
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case 'r': text += '\r'; break;
        case '\\': text += '\\'; break;
        default: return std::nullopt;
        }
    }
    return text;
}

// The arguments of a command line whose string escapes are undone: split at
// blanks, double quotes removed (inside them a backslash may only stand
// before " ` $ or \), then %% read as %. Nothing for an open quote, a
// character the rules reserve standing outside quotes, or a field code,
// which a launcher would expand.
inline std::optional<std::vector<std::string>> execArguments(std::string_view command)
{
    constexpr std::string_view kReserved = "\t\n\"'\\><~|&;$*?#()`";
    std::vector<std::string> arguments;
    std::string argument;
    bool started = false;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\') {
                if (++i == command.size() || std::string_view("\"`$\\").find(command[i]) == std::string_view::npos)
                    return std::nullopt;
                argument += command[i];
            } else {
                argument += c;
            }
        } else if (c == '"') {
            quoted = started = true;
        } else if (c == ' ') {
            if (started)
                arguments.push_back(std::exchange(argument, {}));
            started = false;
        } else if (kReserved.find(c) != std::string_view::npos) {
            return std::nullopt;
        } else {
            argument += c;
            started = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (started)
        arguments.push_back(argument);
    for (std::string& each : arguments) {
        std::string literal;
        for (std::size_t i = 0; i < each.size(); ++i) {
            if (each[i] == '%' && (++i == each.size() || each[i] != '%'))
                return std::nullopt;
            literal += each[i];
        }
        each = literal;
    }
    return arguments;
}

// An Exec value as a launcher reads it: the string escapes first, then the
// quoting.
inline std::optional<std::vector<std::string>> desktopExecArguments(std::string_view value)
{
    const std::optional<std::string> command = unescapeDesktopString(value);
    return command ? execArguments(*command) : std::nullopt;
}

} // namespace hv::test
