#include "platform/qt/windows/host_window.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace hv::qt {

namespace {

// How soon the clock follows the host's new size, and ends after the host
// has gone: X tells a foreign window's changes only to those who ask.
constexpr int kFollowMs = 1000;

} // namespace

// Qt's offscreen platform answers for X11 too, without a display.
bool onX11() { return QGuiApplication::platformName() == "xcb"; }

std::uintptr_t x11RootWindow()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return onX11() && x11 ? DefaultRootWindow(x11->display()) : 0;
}

std::optional<QSize> x11WindowSize(std::uintptr_t window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!onX11() || !x11)
        return std::nullopt;
    // The error of a window that is gone comes back with the reply, not
    // to Qt's error handling, which would log it.
    xcb_connection_t* connection = x11->connection();
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* reply
        = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, static_cast<xcb_drawable_t>(window)), &error);
    std::free(error);
    if (!reply)
        return std::nullopt;
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

HostWindow::HostWindow(std::uintptr_t host, QWidget& form)
    : QObject(&form)
    , host_(host)
    , form_(form)
    , foreign_(QWindow::fromWinId(static_cast<WId>(host)))
{
    form.winId();
    form.windowHandle()->setParent(foreign_);
    // The form's window, the host's child, goes after the form's children
    // (this among them): the host's QWindow, which would take it along,
    // goes after the form.
    QObject::connect(&form, &QObject::destroyed, foreign_, &QObject::deleteLater);
    follow();
    QObject::connect(&poll_, &QTimer::timeout, this, [this] { follow(); });
    poll_.start(kFollowMs);
}

void HostWindow::follow()
{
    const std::optional<QSize> size = x11WindowSize(host_);
    if (!size) {
        poll_.stop();
        form_.close();
        return;
    }
    const QSize fitted = *size / form_.devicePixelRatioF();
    if (form_.geometry() != QRect(QPoint(0, 0), fitted))
        form_.setGeometry(QRect(QPoint(0, 0), fitted));
}

} // namespace hv::qt
