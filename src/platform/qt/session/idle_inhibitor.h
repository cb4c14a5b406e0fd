#pragma once
// The desktop's idle handling over the session bus. The idle inhibition
// goes through the desktop portal where there is one, else through the
// freedesktop screen saver, which GNOME, KDE and many other desktops offer.
// Every call is asynchronous, so a missing or slow service never holds up a
// frame; with no session bus at all, nothing happens.
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>

#include <optional>

class QDBusPendingCall;
class QDBusServiceWatcher;

namespace hv::qt {

class IdleInhibitor : public QObject {
public:
    // busName names a connection already made with
    // QDBusConnection::connectToBus; empty for the session bus, which is
    // first asked for when the inhibition is.
    explicit IdleInhibitor(QString busName = {});

    void setHeld(bool held);
    // Tells the screen saver the user is active: it restarts its idle
    // count once. Sent without waiting for an answer.
    void reportActivity();

private:
    // The ways to ask, in the order they are tried.
    enum class Route { Portal, ScreenSaver, ScreenSaverShortPath, None };

    struct Handle {
        Route route;
        QDBusObjectPath request; // the portal's
        uint cookie = 0; // the screen saver's
    };

    static QString serviceOf(Route route);
    static QString screenSaverPath(Route route);
    QDBusConnection bus();
    void watchServices(const QDBusConnection& bus);
    void ask(Route route);
    void answered(Route route, const QDBusPendingCall& call);
    void letGo(const Handle& handle);
    void ownerChanged(const QString& service, const QString& oldOwner, const QString& newOwner);

    QString busName_;
    QDBusServiceWatcher* services_ = nullptr;
    bool wanted_ = false;
    bool asking_ = false;
    std::optional<Handle> held_;
};

} // namespace hv::qt
