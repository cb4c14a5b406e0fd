#include "platform/qt/autostart_registry.h"

#include "platform/qt/desktop_entry.h"
#include "platform/qt/own_file.h"
#include "platform/qt/user_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace hv::qt {

namespace {

constexpr std::string_view kRunPath = "software\\microsoft\\windows\\currentversion\\run";

// A name that stays one file inside the folder, and names it by its text.
bool plainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == name.npos &&
           QByteArrayView(name.data(), static_cast<qsizetype>(name.size())).isValidUtf8();
}

QString entryPath(const QString& folder, std::string_view valueName)
{
    return folder + '/' + QString::fromUtf8(valueName.data(), static_cast<qsizetype>(valueName.size())) + ".desktop";
}

} // namespace

std::optional<QString> AutostartRegistry::folder()
{
    const UserFolder config = userFolder("XDG_CONFIG_HOME", "/.config");
    if (!config.usable)
        return std::nullopt;
    return config.path + "/autostart";
}

long AutostartRegistry::openKey(RegKey root, std::string_view subKey, std::uint32_t, std::uint32_t, RegKey& result)
{
    result = 0;
    std::string path = lowerAscii(subKey);
    if (path.ends_with('\\'))
        path.pop_back();
    if ((root == reg::kHKeyCurrentUser && path == kRunPath) || (handles_.find(root) && subKey.empty())) {
        result = handles_.add({});
        return reg::kSuccess;
    }
    return root >= kFirstPredefinedKey || handles_.find(root) ? reg::kFileNotFound : kInvalidHandle;
}

long AutostartRegistry::enumKey(RegKey key, std::uint32_t, std::span<char>)
{
    return handles_.find(key) ? reg::kNoMoreItems : kInvalidHandle;
}

long AutostartRegistry::queryValue(RegKey key, std::string_view, std::uint32_t&, std::span<std::uint8_t>,
                                   std::uint32_t&)
{
    return handles_.find(key) ? reg::kFileNotFound : kInvalidHandle;
}

long AutostartRegistry::setValue(RegKey key, std::string_view valueName, std::uint32_t type,
                                 std::span<const std::uint8_t> data)
{
    if (!handles_.find(key))
        return kInvalidHandle;
    if (!plainName(valueName) || type != reg::kString)
        return reg::kInvalidParameter;
    QByteArrayView path(data.data(), static_cast<qsizetype>(data.size()));
    if (path.endsWith('\0'))
        path.chop(1);
    if (path.size() >= 2 && path.startsWith('"') && path.endsWith('"'))
        path = path.sliced(1, path.size() - 2);
    QString appName = QCoreApplication::applicationName();
    if (appName.isEmpty())
        appName = QString::fromUtf8(valueName.data(), static_cast<qsizetype>(valueName.size()));
    const std::optional<QByteArray> name = desktopKeyValue(appName.toUtf8());
    const std::optional<QByteArray> exec = desktopExecValue(path);
    if (path.isEmpty() || !name || !exec)
        return reg::kInvalidParameter;

    const QByteArray entry = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=" + *name + "\n"
                             "Comment=Starts " + *name + " when you log in\n"
                             "Exec=" + *exec + "\n"
                             "Terminal=false\n";
    // A folder that is a link is followed, as the desktop follows it when
    // it reads the entries; the entry itself is always a file of its own.
    const std::optional<QString> dir = folder();
    if (!dir)
        return reg::kInvalidParameter;
    if (!QDir().mkpath(*dir) || !replaceWithOwnFile(entryPath(*dir, valueName), entry))
        return reg::kAccessDenied;
    return reg::kSuccess;
}

long AutostartRegistry::deleteValue(RegKey key, std::string_view valueName)
{
    if (!handles_.find(key))
        return kInvalidHandle;
    if (!plainName(valueName))
        return reg::kInvalidParameter;
    const std::optional<QString> dir = folder();
    if (!dir)
        return reg::kInvalidParameter;
    const QString path = entryPath(*dir, valueName);
    // A link whose target is gone is still an entry to remove.
    if (const QFileInfo info(path); !info.exists() && !info.isSymLink())
        return reg::kFileNotFound;
    return QFile::remove(path) ? reg::kSuccess : reg::kAccessDenied;
}

long AutostartRegistry::closeKey(RegKey key)
{
    return handles_.remove(key) ? reg::kSuccess : kInvalidHandle;
}

} // namespace hv::qt
