#pragma once
// What a run of the render tool asks for, and the rules its command line
// follows on every platform: the options it takes, the checks on their
// values, and the message and exit status 2 for a line it does not take.
// Each platform's parser reads the line into these.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    // The night hours in minutes since midnight, from and to, and the
    // level in percent the clock is dimmed to within them.
    std::optional<std::pair<int, int>> night;
    std::optional<int> nightLevel;
    bool screenCare = false;
};

// An option the tool takes: its names ("size" for --size), the name of its
// value (empty for an option that takes none) and what it does with the
// value given.
struct Declared {
    std::vector<std::string> names;
    std::string valueName;
    std::function<void(Options&, const std::string&)> take;
};

const std::vector<Declared>& declaredOptions();
// The option of that name, or none.
const Declared* findDeclared(const std::string& name);

// The option an argument names: "size" for "--size", "-size" and
// "--size=1x1"; empty for an argument that is no option.
std::string optionName(const std::string& argument);

// True when all the tool printed reached the standard output; else says
// why on stderr (a full disk, a closed pipe).
bool outputWritten();

// Ends the tool with status 2: the message, then the usage, on stderr.
[[noreturn]] void fail(const std::string& message);

// Why a parser stopped, with the argument named as it was given (the
// arguments without the program's name): an option the tool does not take
// (the first of unknownNames), a value given to an option that takes none
// (--ops=1), or else a value missing at the end.
[[noreturn]] void refuse(const std::vector<std::string>& unknownNames, const std::vector<std::string>& given);

// The options found, each with its value, in the order given, so that the
// first value that is wrong is the one named and a repeated option's last
// value holds; then the checks that they make one run.
Options takeAll(const std::vector<std::pair<const Declared*, std::string>>& found);

} // namespace render_tool
