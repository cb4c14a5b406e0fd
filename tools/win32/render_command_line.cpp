#include "render_command_line.h"

namespace render_tool {

namespace {

struct Reading {
    std::vector<std::pair<const Declared*, std::string>> found;
    std::vector<std::string> unknownNames;
    std::vector<std::string> positional;
    bool failed = false;
};

// The option an argument names, with its value after "=" or in the next
// argument.
void readOption(Reading& reading, const std::vector<std::string>& arguments, std::size_t& i)
{
    const std::string& argument = arguments[i];
    const std::string name = optionName(argument);
    const Declared* declared = findDeclared(name);
    if (!declared) {
        reading.unknownNames.push_back(name);
        reading.failed = true;
        return;
    }
    const std::size_t equals = argument.find('=');
    if (declared->valueName.empty()) {
        if (equals != std::string::npos)
            reading.failed = true;
        else
            reading.found.emplace_back(declared, std::string());
    } else if (equals != std::string::npos) {
        reading.found.emplace_back(declared, argument.substr(equals + 1));
    } else if (i + 1 < arguments.size()) {
        reading.found.emplace_back(declared, arguments[++i]);
    } else {
        reading.failed = true;
    }
}

} // namespace

Options parseCommandLine(const std::vector<std::string>& arguments)
{
    Reading reading;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            reading.positional.push_back(argument); // a lone "-" too
        else if (argument == "--")
            optionsEnded = true;
        else
            readOption(reading, arguments, i);
    }
    if (reading.failed)
        refuse(reading.unknownNames, std::vector<std::string>(arguments.begin() + 1, arguments.end()));
    if (!reading.positional.empty())
        fail("unknown argument " + reading.positional.front());
    return takeAll(reading.found);
}

} // namespace render_tool
