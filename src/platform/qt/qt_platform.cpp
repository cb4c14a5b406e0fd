#include "platform/qt/qt_platform.h"

#include "platform/qt/drawing/qt_colour.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace hv::qt {

QString messageText(const std::string& text)
{
    QString qtext = QString::fromStdString(text);
    qtext.replace("\r\n", "\n");
    qtext.replace('\r', '\n');
    return qtext;
}

QMessageBox::Icon messageIcon(int style)
{
    switch (style & 0x70) {
    // Stop and information together, as a fatal report asks: the stop sign.
    case 16:
    case 16 | 64: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QString messageTitle(const std::string& title)
{
    // An empty title would show the application's name instead; a box the
    // program gives no title shows none.
    return title.empty() ? QString(QChar(0x200B)) : QString::fromStdString(title);
}

int QtMessageBoxes::show(const std::string& text, int style, const std::string& title)
{
    QMessageBox box(messageIcon(style), messageTitle(title), messageText(text), QMessageBox::Ok);
    box.exec();
    return 1;
}

Colour QtColourDialog::showColor(Colour colour)
{
    const QColor picked = QColorDialog::getColor(toQColor(colour), QApplication::activeWindow());
    if (!picked.isValid())
        return colour;
    return picked.red() | picked.green() << 8 | picked.blue() << 16;
}

void QtEventPump::pumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtLifetime::endNow(int exitStatus)
{
    // Every option is stored the moment it changes: nothing is left to save.
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

} // namespace hv::qt
