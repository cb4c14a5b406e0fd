#pragma once
// The shape every window of the program has: a presenter that creates its
// window with the handlers of its events, loads it, shows it and, when the
// program asks, unloads it. The program holds the presenter while the
// window is loaded and names it before its load runs, since a load may
// reach back to it.
#include "platform/platform.h"

#include <memory>

namespace hv {

class Presenter : public std::enable_shared_from_this<Presenter> {
public:
    virtual ~Presenter() = default;

    // Creates the window and its controls, then runs the window's load.
    void create();
    virtual void load() = 0;
    // A window that is closing stays hidden.
    virtual void show();
    // Runs the window's own unload handling, then unloads it: hidden for
    // good, its timers stopped and its events no longer delivered. The
    // program calls it once, and lets the window go after.
    void unload();
    bool closing() const { return closing_; }

protected:
    explicit Presenter(Platform& platform)
        : p_(platform)
    {
    }

    // The handlers of the window and of its controls may hold this
    // presenter by a plain pointer: none runs once it is gone.
    void createWindow(const WindowDesign& design, WindowEvents events);

    Platform& p_;
    std::unique_ptr<WindowView> view_;

private:
    // Declares the window, with createWindow, and its controls.
    virtual void build() = 0;
    // What the window does as it unloads, before it closes.
    virtual void onUnload() = 0;

    bool closing_ = false;
};

} // namespace hv
