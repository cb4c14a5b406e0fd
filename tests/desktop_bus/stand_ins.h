#pragma once
// Stand-ins for the desktop's services on a private bus: the freedesktop
// screen saver and the desktop portal's Inhibit. Each writes every call it
// gets into its log, one line a call.
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace hv::test {

class ScreenSaverStandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    // Registered on bus under the service's name, at path (the desktops use
    // /org/freedesktop/ScreenSaver and /ScreenSaver).
    ScreenSaverStandIn(QDBusConnection bus, const QString& path = QStringLiteral("/org/freedesktop/ScreenSaver"));
    ~ScreenSaverStandIn() override;
    // Leaves the bus, as a screen saver that ends; and comes back.
    void leave();
    void come();

    QStringList log;
    // While set, Inhibit is answered only by answerNow().
    bool answerLater = false;
    void answerNow();

public slots:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);
    void SimulateUserActivity();

private:
    QDBusConnection bus_;
    QString path_;
    uint nextCookie_ = 41;
    std::optional<QDBusMessage> unanswered_;
};

class PortalStandIn : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")
public:
    explicit PortalStandIn(QDBusConnection bus);
    ~PortalStandIn() override;

    QStringList log;

public slots:
    QDBusObjectPath Inhibit(const QString& window, uint flags, const QVariantMap& options);

private:
    QDBusConnection bus_;
    int requests_ = 0;
};

} // namespace hv::test
