#include "platform/qt/windows/qt_skin.h"

#include "platform/qt/windows/qt_window.h"
#include "platform/qt/storage/small_file.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <sys/stat.h>

namespace hv::qt {

namespace {

// Skins are style sheets of a few kilobytes; Qt takes half a second to
// parse a megabyte of one.
constexpr qint64 kMaxFileSize = 1 << 20;

// Qt parses a style sheet only when it styles a widget, and tells of one
// it cannot parse only by a warning. So a probe widget is styled with the
// sheet while a message handler listens on this thread for that warning;
// every other message goes on to the handler before it.
thread_local bool* refusalSeen = nullptr;
std::atomic<QtMessageHandler> passOn = nullptr;

void listenForRefusal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (refusalSeen && message.startsWith(QLatin1String("Could not parse"))) {
        *refusalSeen = true;
        return;
    }
    // Another thread's message may come before the handler it goes on to
    // is known.
    if (const QtMessageHandler next = passOn.load())
        next(type, context, message);
    else
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + '\n'), stderr);
}

class RefusalListener {
public:
    explicit RefusalListener(bool& seen)
    {
        refusalSeen = &seen;
        passOn = qInstallMessageHandler(listenForRefusal);
    }
    RefusalListener(const RefusalListener&) = delete;
    RefusalListener& operator=(const RefusalListener&) = delete;
    ~RefusalListener()
    {
        qInstallMessageHandler(passOn.load());
        refusalSeen = nullptr;
    }
};

// Qt's parser stops at a NUL and skips what it cannot read inside a rule,
// so many a binary file passes it. A style sheet is text, and text holds
// no control characters but the white space of a sheet.
bool isText(const QByteArray& bytes)
{
    return std::ranges::none_of(bytes, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\t' && c != '\n' && c != '\f' && c != '\r';
    });
}

bool styleEngineAccepts(const QString& sheet)
{
    bool refused = false;
    const RefusalListener listener(refused);
    QWidget probe;
    probe.setStyleSheet(sheet);
    probe.ensurePolished();
    return !refused;
}

// Qt opens the images a sheet names when it styles a widget, whatever they
// are: a pipe there would stop the program for good. One that is not there
// Qt passes over.
bool namesNoOddFile(const QString& sheet, const QString& folder)
{
    static const QRegularExpression url(R"(url\(\s*(["']?)(.*?)\1\s*\))", QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : url.globalMatch(sheet)) {
        QString name = match.captured(2);
        if (name.startsWith(QLatin1String("skin:")))
            name = QDir(folder).filePath(name.mid(5));
        struct stat info {};
        if (::stat(QFile::encodeName(name).constData(), &info) == 0 && !S_ISREG(info.st_mode))
            return false;
    }
    return true;
}

} // namespace

void QtSkinFramework::loadSkin(const std::string& path, const std::string&)
{
    const QString file = QString::fromStdString(path);
    const QByteArray bytes = readSmallFileOrRaise(file, kMaxFileSize, RuntimeError::invalidFileFormat());
    const QString sheet = QString::fromUtf8(bytes);
    if (sheet.trimmed().isEmpty())
        throw RuntimeError::pathFileAccessError();
    if (!isText(bytes))
        throw RuntimeError::invalidFileFormat();
    // A skin brings its images along in its own folder, where the probe
    // looks for them already.
    const QString folder = QFileInfo(file).absolutePath();
    if (!namesNoOddFile(sheet, folder))
        throw RuntimeError::pathFileAccessError();
    const QStringList before = QDir::searchPaths("skin");
    QDir::setSearchPaths("skin", {folder});
    if (!styleEngineAccepts(sheet)) {
        QDir::setSearchPaths("skin", before);
        throw RuntimeError::invalidFileFormat();
    }
    sheet_ = sheet;
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
