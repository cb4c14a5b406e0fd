#include "runtime/message_box_guard.h"

namespace hv {

int OneBoxAtATime::show(const std::string& text, int style, const std::string& title)
{
    if (open_)
        return 0;
    struct Open {
        bool& open;
        explicit Open(bool& o)
            : open(o)
        {
            open = true;
        }
        ~Open() { open = false; }
    } scope(open_);
    return boxes_.show(text, style, title);
}

} // namespace hv
