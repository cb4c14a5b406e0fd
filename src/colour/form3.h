#pragma once
// The colour window: one wide swatch in the clock's colour. Clicking it
// opens the colour dialog; the colour picked there is stored at once and
// the clock draws in it from its next frame.
#include "colour/colour_host.h"
#include "platform/platform.h"

#include <memory>
#include <string_view>

namespace hv {

class Form3 : public std::enable_shared_from_this<Form3> {
public:
    // Creates the window with its design values; Form_Load is left to the
    // caller.
    static std::shared_ptr<Form3> create(Platform& platform, ColourHost& host);

    Form3(Platform& platform, ColourHost& host) : p_(platform), host_(host) {}

    void Form_Load();
    void Label1_Click();
    void PushButton1_Click();
    // Never refused: it brings the options window back.
    void Form_Unload();

    void show() { view_->show(); }
    // Called by the program once the unload handling has run.
    void markUnloaded() { view_->close(); }
    WindowView& view() { return *view_; }

private:
    void build();

    Platform& p_;
    ColourHost& host_;
    std::unique_ptr<WindowView> view_;
    Control* frame1_ = nullptr;
    Control* swatch_ = nullptr;
};

} // namespace hv
