#pragma once
// One message box at a time in the whole program. A box is modal, but its
// own event loop still runs the clock window's timers, and a failure there
// would open a box over the box. A box asked for while another is open is
// left out, so reports never pile up in front of the user.
#include "platform/services.h"

namespace hv {

class OneBoxAtATime : public MessageBoxes {
public:
    explicit OneBoxAtATime(MessageBoxes& boxes)
        : boxes_(boxes)
    {
    }

    // Shows nothing and answers 0 while another box is open.
    int show(const std::string& text, int style, const std::string& title) override;
    bool open() const { return open_; }

private:
    MessageBoxes& boxes_;
    bool open_ = false;
};

} // namespace hv
