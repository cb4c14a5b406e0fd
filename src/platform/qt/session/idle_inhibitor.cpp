#include "platform/qt/session/idle_inhibitor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QVariantMap>

#include <utility>

namespace hv::qt {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
// The portal's flag for the session going idle (1 log-out, 2 user switch,
// 4 suspend, 8 idle).
constexpr uint kPortalIdle = 8;
// Shown by desktops that list what keeps them awake.
const QString kReason = QStringLiteral("The clock is shown full screen");

} // namespace

IdleInhibitor::IdleInhibitor(QString busName)
    : busName_(std::move(busName))
{
}

QDBusConnection IdleInhibitor::bus()
{
    return busName_.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(busName_);
}

QString IdleInhibitor::serviceOf(Route route) { return route == Route::Portal ? kPortalService : kScreenSaver; }

QString IdleInhibitor::screenSaverPath(Route route)
{
    // KDE and GNOME answer on both paths; some screen savers only on one.
    return route == Route::ScreenSaverShortPath ? QStringLiteral("/ScreenSaver")
                                                : QStringLiteral("/org/freedesktop/ScreenSaver");
}

void IdleInhibitor::setHeld(bool held)
{
    if (held == wanted_)
        return;
    wanted_ = held;
    if (!held) {
        if (held_)
            letGo(*std::exchange(held_, std::nullopt));
        // An inhibition still on its way is let go when it arrives.
        return;
    }
    if (!held_ && !asking_)
        ask(Route::Portal);
}

void IdleInhibitor::reportActivity()
{
    const QDBusConnection connection = bus();
    if (connection.isConnected())
        connection.send(QDBusMessage::createMethodCall(
            kScreenSaver, screenSaverPath(Route::ScreenSaver), kScreenSaver, QStringLiteral("SimulateUserActivity")));
}

void IdleInhibitor::watchServices(const QDBusConnection& connection)
{
    if (services_)
        return;
    services_ = new QDBusServiceWatcher(this);
    services_->setConnection(connection);
    services_->setWatchMode(QDBusServiceWatcher::WatchForOwnerChange);
    services_->setWatchedServices({kPortalService, kScreenSaver});
    connect(services_, &QDBusServiceWatcher::serviceOwnerChanged, this, &IdleInhibitor::ownerChanged);
}

void IdleInhibitor::ask(Route route)
{
    const QDBusConnection connection = bus();
    if (route == Route::None || !connection.isConnected())
        return;
    watchServices(connection);
    QDBusMessage message;
    if (route == Route::Portal) {
        message = QDBusMessage::createMethodCall(kPortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
        // No parent window: the inhibition is the program's, not a dialog's.
        message << QString() << kPortalIdle << QVariantMap{{QStringLiteral("reason"), kReason}};
    } else {
        message = QDBusMessage::createMethodCall(
            kScreenSaver, screenSaverPath(route), kScreenSaver, QStringLiteral("Inhibit"));
        message << QCoreApplication::applicationName() << kReason;
    }
    asking_ = true;
    auto* call = new QDBusPendingCallWatcher(connection.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, route](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        answered(route, *done);
    });
}

void IdleInhibitor::answered(Route route, const QDBusPendingCall& call)
{
    asking_ = false;
    std::optional<Handle> got;
    if (route == Route::Portal) {
        const QDBusPendingReply<QDBusObjectPath> reply = call;
        if (!reply.isError())
            got = Handle{route, reply.value(), 0};
    } else {
        const QDBusPendingReply<uint> reply = call;
        if (!reply.isError())
            got = Handle{route, {}, reply.value()};
    }
    if (!got) {
        if (wanted_)
            ask(static_cast<Route>(static_cast<int>(route) + 1));
        return;
    }
    if (wanted_)
        held_ = got;
    else
        letGo(*got);
}

void IdleInhibitor::letGo(const Handle& handle)
{
    QDBusMessage message;
    if (handle.route == Route::Portal) {
        message = QDBusMessage::createMethodCall(kPortalService, handle.request.path(),
            QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close"));
    } else {
        message = QDBusMessage::createMethodCall(
            kScreenSaver, screenSaverPath(handle.route), kScreenSaver, QStringLiteral("UnInhibit"));
        message << handle.cookie;
    }
    // Nobody waits for the answer: a service that has gone took its
    // inhibition with it.
    bus().send(message);
}

void IdleInhibitor::ownerChanged(const QString& service, const QString& oldOwner, const QString& newOwner)
{
    const bool lost = held_ && serviceOf(held_->route) == service && !oldOwner.isEmpty();
    if (lost)
        held_.reset();
    // Asked for again when the service that held it went away or
    // restarted, and when a service turns up that may hold it now.
    if (wanted_ && !held_ && !asking_ && (lost || !newOwner.isEmpty()))
        ask(Route::Portal);
}

} // namespace hv::qt
