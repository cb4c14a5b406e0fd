#include "desktop_bus/private_bus.h"

#include <QFile>
#include <QStandardPaths>

namespace hv::test {

namespace {

// Anyone on the bus may own any name and call anything; no service is
// activated on demand.
constexpr const char* kConfig = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

PrivateBus::PrivateBus()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty()) {
        why_ = QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
        return;
    }
    QFile config(folder_.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly)
        || config.write(QString::fromUtf8(kConfig).arg(folder_.path()).toUtf8()) < 0) {
        why_ = QStringLiteral("cannot write ") + config.fileName();
        return;
    }
    config.close();
    daemon_.start(program,
        {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
            QStringLiteral("--print-address=1")});
    while (daemon_.waitForReadyRead(10000) || daemon_.canReadLine()) {
        if (daemon_.canReadLine()) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
            return;
        }
    }
    why_ = QStringLiteral("dbus-daemon did not start: ") + QString::fromUtf8(daemon_.readAllStandardError());
}

PrivateBus::~PrivateBus()
{
    daemon_.terminate();
    daemon_.waitForFinished(5000);
}

} // namespace hv::test
