#pragma once
// The render tool's command line, read and checked: what a run asks for,
// or a message and the exit status 2.
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

namespace render_tool {

struct Options {
    int width = 0, height = 0;
    std::optional<double> time; // seconds since midnight
    std::optional<std::string> zone;
    std::optional<std::int64_t> atMs;
    bool listZones = false;
    std::optional<std::string> clockColour, background;
    std::optional<std::string> png, svg;
    bool ops = false;
};

// Ends the tool with status 2: the message, then the usage, on stderr.
[[noreturn]] void fail(const std::string& message);

// The options of a command line, its program name first. For -h or
// --help it prints the usage, for --version the version, and ends the
// tool with status 0.
Options parseArguments(const QStringList& arguments);

} // namespace render_tool
