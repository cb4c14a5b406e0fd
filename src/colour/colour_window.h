#pragma once
// The colour window: one wide swatch in the clock's colour. Clicking it
// opens the colour dialog; the colour picked there is stored at once and
// the clock draws in it from its next frame.
#include "colour/colour_host.h"
#include "shared/presenter.h"

namespace hv {

class Form3 : public Presenter {
public:
    Form3(Platform& platform, ColourHost& host) : Presenter(platform), host_(host) {}

    void Form_Load() override;
    void Label1_Click();
    void PushButton1_Click();
    // Never refused: it brings the options window back.
    void Form_Unload();

private:
    void build() override;
    void onUnload() override { Form_Unload(); }

    ColourHost& host_;
    Control* frame1_ = nullptr;
    Control* swatch_ = nullptr;
};

} // namespace hv
