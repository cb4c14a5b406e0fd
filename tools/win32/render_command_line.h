#pragma once
// The render tool's command line on Windows, read by the same rules as Qt's
// parser reads it on Linux ("--size 1x1", "--size=1x1", "-size 1x1", "--"
// ending the options), so both tools take the same lines and refuse the
// same ones with the same message and exit status.
#include "render_options.h"

#include <string>
#include <vector>

namespace render_tool {

// The options of a command line in UTF-8, its program name first.
Options parseCommandLine(const std::vector<std::string>& arguments);

} // namespace render_tool
