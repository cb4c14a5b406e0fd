#pragma once
// A session bus of a test's own: a dbus-daemon that only this test talks
// to, which activates no service, so nothing of the machine's desktop
// answers on it.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace hv::test {

class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when dbus-daemon could not be started; why() says what failed.
    const QString& address() const { return address_; }
    const QString& why() const { return why_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
    QString why_;
};

} // namespace hv::test
