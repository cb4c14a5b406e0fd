#include "platform/qt/session/autostart_entry.h"

#include "platform/qt/session/desktop_entry.h"
#include "platform/qt/storage/own_file.h"
#include "platform/qt/storage/user_folder.h"
#include "runtime/runtime.h"
#include "system/start_up.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace hv::qt {

namespace {

// The entry's file, for a program whose file name stays one file inside
// the folder and names it by its text; nothing otherwise.
QString entryPath(const std::string& programPath)
{
    const std::string name = StartUpEntryName(programPath);
    const bool plain = !name.empty() && name != "." && name != ".." && name.find('\0') == name.npos
        && QByteArrayView(name.data(), static_cast<qsizetype>(name.size())).isValidUtf8();
    const std::optional<QString> dir = AutostartEntry::folder();
    if (!plain || !dir)
        throw RuntimeError::pathFileAccessError();
    return *dir + '/' + QString::fromStdString(name) + ".desktop";
}

} // namespace

std::optional<QString> AutostartEntry::folder()
{
    const UserFolder config = userFolder("XDG_CONFIG_HOME", "/.config");
    if (!config.usable)
        return std::nullopt;
    return config.path + "/autostart";
}

void AutostartEntry::enable(const std::string& programPath)
{
    const QString path = entryPath(programPath);
    QString appName = QCoreApplication::applicationName();
    if (appName.isEmpty())
        appName = QString::fromStdString(StartUpEntryName(programPath));
    const std::optional<QByteArray> name = desktopKeyValue(appName.toUtf8());
    const std::optional<QByteArray> exec = desktopExecValue(programPath);
    if (!name || !exec)
        throw RuntimeError::pathFileAccessError();

    const QByteArray entry = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name="
        + *name
        + "\n"
          "Comment=Starts "
        + *name
        + " when you log in\n"
          "Exec="
        + *exec
        + "\n"
          "Terminal=false\n";
    // A folder that is a link is followed, as the desktop follows it when
    // it reads the entries; the entry itself is always a file of its own.
    if (!QDir().mkpath(QFileInfo(path).path()) || !replaceWithOwnFile(path, entry))
        throw RuntimeError::permissionDenied();
}

void AutostartEntry::disable(const std::string& programPath)
{
    const QString path = entryPath(programPath);
    // A link whose target is gone is still an entry to remove.
    if (const QFileInfo info(path); !info.exists() && !info.isSymLink())
        return;
    if (!QFile::remove(path))
        throw RuntimeError::permissionDenied();
}

} // namespace hv::qt
