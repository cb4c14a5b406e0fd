#include "platform/qt/qt_skin.h"

#include "platform/qt/qt_window.h"
#include "platform/qt/small_file.h"
#include "platform/runtime.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace hv::qt {

namespace {

// Skins are style sheets of a few kilobytes; Qt takes half a second to
// parse a megabyte of one.
constexpr qint64 kMaxFileSize = 1 << 20;

} // namespace

void QtSkinFramework::loadSkin(const std::string& path, const std::string&)
{
    const QString file = QString::fromStdString(path);
    const QString sheet = QString::fromUtf8(readSmallFileOrRaise(file, kMaxFileSize, RuntimeError::invalidFileFormat()));
    if (sheet.trimmed().isEmpty())
        throw RuntimeError::pathFileAccessError();
    sheet_ = sheet;
    // A skin brings its images along in its own folder.
    QDir::setSearchPaths("skin", {QFileInfo(file).absolutePath()});
    if (newWindows_)
        qApp->setStyleSheet(sheet_);
}

void QtSkinFramework::setAutoApplyNewWindows(bool on)
{
    newWindows_ = on;
    // The application's sheet reaches the windows already open as well;
    // they are the program's and wear the same skin.
    if (on)
        qApp->setStyleSheet(sheet_);
}

void QtSkinFramework::applyWindow(WindowView& window)
{
    dynamic_cast<QtWindowView&>(window).widget()->setStyleSheet(sheet_);
}

} // namespace hv::qt
