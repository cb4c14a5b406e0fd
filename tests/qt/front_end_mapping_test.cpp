// How the front-end turns Qt's keys, the program's colours and its message
// texts into what the core and the user see.
#include "clock/hide_word.h"
#include "platform/qt/drawing/qt_colour.h"
#include "platform/qt/windows/qt_keys.h"
#include "platform/qt/qt_platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

using namespace hv;

TEST(QtKeys, TheWordsLettersAndTheKeysThatCancelItKeepTheirClassicCodes)
{
    const struct {
        int qtKey;
        std::int16_t code;
    } cases[] = {
        {Qt::Key_H, vk::kH},
        {Qt::Key_I, vk::kI},
        {Qt::Key_D, vk::kD},
        {Qt::Key_E, vk::kE},
        {Qt::Key_Escape, vk::kEscape},
        {Qt::Key_Shift, vk::kShift},
        {Qt::Key_Control, vk::kControl},
        {Qt::Key_Alt, vk::kMenu},
        {Qt::Key_CapsLock, vk::kCapital},
        {Qt::Key_X, 88},
        {Qt::Key_0, 48},
        {Qt::Key_Space, 32},
        {Qt::Key_F1, 0x70},
        {Qt::Key_F12, 0x7B},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qt::virtualKeyOf(c.qtKey), c.code) << std::hex << c.qtKey;
}

TEST(QtKeys, KeysWithoutAClassicCodeAreNoLetterOfTheWord)
{
    for (int key : {int(Qt::Key_Eacute), int(Qt::Key_VolumeUp), int(Qt::Key_unknown), 0}) {
        const std::int16_t code = qt::virtualKeyOf(key);
        EXPECT_FALSE(HideWord::isLetterOfWord(code)) << key;
        EXPECT_NE(code, vk::kEscape) << key;
    }
    EXPECT_EQ(qt::shiftStateOf(Qt::ShiftModifier | Qt::AltModifier), 1 | 4);
    EXPECT_EQ(qt::shiftStateOf(Qt::ControlModifier), 2);
}

TEST(QtKeys, LettersOfANonLatinLayoutCountByTheirKeysPlace)
{
    // Cyrillic er, ve and u: the H, D and E keys of a Russian layout (X11
    // key codes 43, 40 and 26); a Latin letter keeps its own code wherever
    // its key lies (A on French Q), and zhe, on the key right of L, has none.
    const struct {
        int qtKey;
        const char16_t* text;
        quint32 scanCode;
        std::int16_t code;
    } cases[] = {
        {0x420, u"\u0440", 43, vk::kH},
        {0x412, u"\u0432", 40, vk::kD},
        {0x423, u"\u0443", 26, vk::kE},
        {Qt::Key_A, u"a", 24, 'A'},
        {0x416, u"\u0436", 47, 0xFF},
    };
    for (const auto& c : cases) {
        const QKeyEvent press(QEvent::KeyPress, c.qtKey, Qt::NoModifier, c.scanCode, 0, 0, QString::fromUtf16(c.text));
        EXPECT_EQ(qt::virtualKeyOf(press), c.code) << std::hex << c.qtKey;
    }
}

TEST(QtColours, StoredColoursHaveRedInTheLowByte)
{
    EXPECT_EQ(qt::toQColor(255), QColor(255, 0, 0));
    EXPECT_EQ(qt::toQColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(qt::toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(qt::toQColor(kWhite), QColor(255, 255, 255));
    EXPECT_EQ(qt::toQColor(kButtonFace), QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(qt::toQColor(kButtonText), QGuiApplication::palette().color(QPalette::ButtonText));
}

TEST(QtMessageText, CarriageReturnsBreakLinesAsTheReportMeansThem)
{
    EXPECT_EQ(qt::messageText("Overflow\r\nin here at line 102\r\rPlease email").toStdString(),
        "Overflow\nin here at line 102\n\nPlease email");
}

TEST(QtMessageBox, StylesPickTheirIconsAndAnEmptyTitleStaysBlank)
{
    const struct {
        int style;
        QMessageBox::Icon icon;
    } cases[] = {
        {0, QMessageBox::NoIcon},
        {16, QMessageBox::Critical},
        {32, QMessageBox::Question},
        {48, QMessageBox::Warning},
        {64, QMessageBox::Information},
        {16 | 64, QMessageBox::Critical},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qt::messageIcon(c.style), c.icon) << c.style;
    // Qt would put the application's name in an empty title.
    EXPECT_FALSE(qt::messageTitle("").isEmpty());
    EXPECT_TRUE(qt::messageTitle("").trimmed().remove(QChar(0x200B)).isEmpty());
    EXPECT_EQ(qt::messageTitle("Application Error"), "Application Error");
}

} // namespace
