#pragma once
// Message boxes and the program's end for command-line tools built on the
// core: a message goes to stderr, and ending means exit status 1.
#include "platform/services.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace hv {

class ConsoleMessages : public MessageBoxes, public ProgramLifetime {
public:
    explicit ConsoleMessages(std::string tool)
        : tool_(std::move(tool))
    {
    }
    int show(const std::string& text, int, const std::string&) override
    {
        std::fprintf(stderr, "%s: %s\n", tool_.c_str(), text.c_str());
        return 1;
    }
    [[noreturn]] void endNow(int) override { std::exit(1); }

private:
    std::string tool_;
};

} // namespace hv
