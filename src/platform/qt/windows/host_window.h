#pragma once
// A window of another program that a form draws into, as a screen-saver
// daemon hands one to its display modes: on X11 only, where windows of
// other programs can be parents.
#include <QObject>
#include <QSize>
#include <QTimer>

#include <cstdint>
#include <optional>

class QWidget;
class QWindow;

namespace hv::qt {

// Whether the program's windows are X11 windows.
bool onX11();
// The root window of the X display.
std::uintptr_t x11RootWindow();
// The size of an X window in pixels of the display; nothing when there is
// no such window.
std::optional<QSize> x11WindowSize(std::uintptr_t window);

// Makes the form's window a child of the host window filling it, follows
// the host's size, and asks the form to close once the host is gone. A
// child of the form, it goes with the form.
class HostWindow : public QObject {
public:
    HostWindow(std::uintptr_t host, QWidget& form);

private:
    void follow();

    std::uintptr_t host_;
    QWidget& form_;
    QWindow* foreign_;
    QTimer poll_;
};

} // namespace hv::qt
