#pragma once
// The render tool's command line, read with Qt's parser: what a run asks
// for, or a message and the exit status 2.
#include "render_options.h"

#include <QStringList>

namespace render_tool {

// The options of a command line, its program name first. For -h or
// --help it prints the usage, for --version the version, and ends the
// tool with status 0.
Options parseArguments(const QStringList& arguments);

} // namespace render_tool
