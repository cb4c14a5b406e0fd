#pragma once
// A property the fuzzed code must keep: when it breaks, the input is a
// finding, and libFuzzer keeps it from the abort.
#include <cstdio>
#include <cstdlib>

namespace hv::fuzz {

inline void check(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

} // namespace hv::fuzz
