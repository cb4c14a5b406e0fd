#include "desktop_bus/stand_ins.h"

#include <utility>

namespace hv::test {

namespace {

const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

// A request the portal handed out; Close ends it.
class PortalRequest : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    PortalRequest(QDBusConnection bus, QString path, QStringList& log, QObject* parent)
        : QObject(parent)
        , bus_(std::move(bus))
        , path_(std::move(path))
        , log_(log)
    {
        bus_.registerObject(path_, this, QDBusConnection::ExportAllSlots);
    }

public slots:
    void Close()
    {
        log_ << QStringLiteral("Close ") + path_;
        bus_.unregisterObject(path_);
        deleteLater();
    }

private:
    QDBusConnection bus_;
    QString path_;
    QStringList& log_;
};

} // namespace

ScreenSaverStandIn::ScreenSaverStandIn(QDBusConnection bus, const QString& path)
    : bus_(std::move(bus))
    , path_(path)
{
    bus_.registerObject(path_, this, QDBusConnection::ExportAllSlots);
    come();
}

ScreenSaverStandIn::~ScreenSaverStandIn()
{
    leave();
    bus_.unregisterObject(path_);
}

void ScreenSaverStandIn::leave() { bus_.unregisterService(kScreenSaver); }
void ScreenSaverStandIn::come() { bus_.registerService(kScreenSaver); }

uint ScreenSaverStandIn::Inhibit(const QString& application, const QString& reason)
{
    const uint cookie = nextCookie_++;
    log << QStringLiteral("Inhibit %1 \"%2\" -> %3").arg(application, reason).arg(cookie);
    if (answerLater) {
        setDelayedReply(true);
        unanswered_ = message().createReply(cookie);
    }
    return cookie;
}

void ScreenSaverStandIn::answerNow()
{
    if (unanswered_)
        bus_.send(*std::exchange(unanswered_, std::nullopt));
}

void ScreenSaverStandIn::UnInhibit(uint cookie) { log << QStringLiteral("UnInhibit %1").arg(cookie); }

void ScreenSaverStandIn::SimulateUserActivity() { log << QStringLiteral("SimulateUserActivity"); }

PortalStandIn::PortalStandIn(QDBusConnection bus)
    : bus_(std::move(bus))
{
    bus_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this, QDBusConnection::ExportAllSlots);
    bus_.registerService(kPortal);
}

PortalStandIn::~PortalStandIn()
{
    bus_.unregisterService(kPortal);
    bus_.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
}

QDBusObjectPath PortalStandIn::Inhibit(const QString& window, uint flags, const QVariantMap& options)
{
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/1/t%1").arg(++requests_);
    log << QStringLiteral("Inhibit \"%1\" %2 \"%3\" -> %4")
               .arg(window)
               .arg(flags)
               .arg(options.value("reason").toString(), path);
    new PortalRequest(bus_, path, log, this);
    return QDBusObjectPath(path);
}

} // namespace hv::test

#include "stand_ins.moc"
