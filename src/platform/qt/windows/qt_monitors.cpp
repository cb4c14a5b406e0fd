#include "platform/qt/windows/qt_monitors.h"

#include <QGuiApplication>
#include <QScreen>

namespace hv::qt {

std::vector<Monitor> QtMonitors::list() const
{
    std::vector<Monitor> monitors;
    QList<QScreen*> screens = QGuiApplication::screens();
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.removeOne(primary);
        screens.prepend(primary);
    }
    for (const QScreen* screen : screens) {
        const QRect r = screen->geometry();
        monitors.push_back({screen->name().toStdString(), r.x(), r.y(), r.width(), r.height(),
            static_cast<int>(screen->logicalDotsPerInch() + 0.5)});
    }
    return monitors;
}

void QtMonitors::onChange(std::function<void()> changed)
{
    QObject::disconnect(qGuiApp, nullptr, &watcher_, nullptr);
    if (!changed)
        return;
    auto shared = std::make_shared<std::function<void()>>(std::move(changed));
    // Queued: Qt tells of a screen before its windows have moved off it.
    QObject::connect(
        qGuiApp, &QGuiApplication::screenAdded, &watcher_, [shared] { (*shared)(); }, Qt::QueuedConnection);
    QObject::connect(
        qGuiApp, &QGuiApplication::screenRemoved, &watcher_, [shared] { (*shared)(); }, Qt::QueuedConnection);
}

} // namespace hv::qt
