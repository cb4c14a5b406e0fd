#pragma once
// What the colour window needs of the program around it: showing the
// options window again, and its own unloading.
namespace hv {

class ColourHost {
public:
    virtual ~ColourHost() = default;
    virtual void showOptionsWindow() = 0;
    // Runs the colour window's unload handling, then unloads it.
    virtual void unloadColourWindow() = 0;
};

} // namespace hv
