#pragma once
// Starting the program when the user logs in, by an entry of the system's
// own that names the program's executable.
#include <string>

namespace hv {

class LogInStart {
public:
    virtual ~LogInStart() = default;
    // Both raise a run-time error when the entry cannot be written or
    // removed: the caller must not say the entry is there when it is not.
    virtual void enable(const std::string& programPath) = 0;
    // Removing an entry that is not there does nothing.
    virtual void disable(const std::string& programPath) = 0;
};

} // namespace hv
