#pragma once
// The colour window: one wide swatch in the clock's colour. Clicking it
// opens the colour dialog; the colour picked there is stored at once and
// the clock draws in it from its next frame.
#include "colour/colour_host.h"
#include "shared/presenter.h"

namespace hv {

class ColourWindow : public Presenter {
public:
    ColourWindow(Platform& platform, ColourHost& host)
        : Presenter(platform)
        , host_(host)
    {
    }

    void load() override;
    void pickColour();
    void closeWindow();
    // Never refused: it brings the options window back.
    void returnToOptions();

private:
    void build() override;
    void onUnload() override { returnToOptions(); }

    ColourHost& host_;
    Control* frame_ = nullptr;
    Control* swatch_ = nullptr;
};

} // namespace hv
