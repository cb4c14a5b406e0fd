// Horavista: the whole screen as an analog clock.
#include "app/program.h"
#include "shared/settings_keys.h"
#include "platform/qt/command_line.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/windows/host_window.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

bool hasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    return false;
}

// The X window a display mode draws into, the root window for 0; nothing,
// told on stderr, when there is none to draw into.
std::optional<std::uintptr_t> checkedHostWindow(std::uintptr_t window)
{
    if (!hv::qt::onX11()) {
        std::fputs("horavista: --window-id, --root and XSCREENSAVER_WINDOW need an X11 display\n", stderr);
        return std::nullopt;
    }
    const std::uintptr_t host = window ? window : hv::qt::x11RootWindow();
    if (!hv::qt::x11WindowSize(host)) {
        std::fprintf(stderr, "horavista: there is no window 0x%lx on the display\n", static_cast<unsigned long>(host));
        return std::nullopt;
    }
    return host;
}

// Reading the icon makes Qt load every image-format plugin it has: the
// windows get it once the first of them has painted, so that the user sees
// a window that much sooner.
class IconAfterFirstPaint : public QObject {
public:
    IconAfterFirstPaint() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(QIcon(":/horavista.png")); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const auto answer = hv::qt::answerCommandLine(arguments, qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    if (answer.exitStatus) {
        std::fputs(answer.output.toLocal8Bit().constData(), stdout);
        std::fputs(answer.errors.toLocal8Bit().constData(), stderr);
        return *answer.exitStatus;
    }
    if (!hasDisplay()) {
        std::fputs("horavista: no display to show the clock on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    // The names the log-in entry and the settings file go by, given before
    // the platform is made: its settings store takes its path from them.
    QApplication::setApplicationName(QString::fromUtf8(hv::settings::kApplication));
    QApplication::setOrganizationName(QString::fromUtf8(hv::settings::kOrganisation));
    // The zone catalogue is read while Qt sets itself up: the options
    // window fills its list from it the moment it is on the screen.
    hv::qt::QtPlatform qtPlatform;
    qtPlatform.zones.prefetch();

    QApplication app(argc, argv);
    IconAfterFirstPaint icon;
    // The installed menu entry, which Wayland desktops match the windows to.
    QGuiApplication::setDesktopFileName("example.quellmark.Horavista");
    // Windows come and go with the program's own flow; it decides when to end.
    QApplication::setQuitOnLastWindowClosed(false);

    std::optional<std::uintptr_t> host;
    if (answer.hostWindow && !(host = checkedHostWindow(*answer.hostWindow)))
        return 2;

    hv::Platform platform = qtPlatform.platform();
    hv::Program program(platform);
    if (host)
        program.startScreenSaver(*host);
    else
        program.start();
    return QApplication::exec();
}
