// The options window as the user meets it: the real Qt window over the
// system's tz database, driven by mouse and keyboard, opening the clock on
// the chosen zone and coming back when the clock closes.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/zones/zone_time_of_day.h"
#include "qt/loaded_windows.h"
#include "qt/tz_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace hv;

class OptionsWindowQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        program_.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
        // The list fills from the event loop once the window is painted.
        QTRY_VERIFY(child<QComboBox>("Combo1")->count() > 0);
    }
    void TearDown() override
    {
        // The program would end here; the test only lets the windows go.
        if (windows_.loaded("Form2"))
            program_.unloadClockWindow();
        if (windows_.loaded("Form3"))
            program_.unloadColourWindow();
    }

    QWidget* window() { return windows_.widget("Form1"); }
    template <typename T>
    T* child(const char* name)
    {
        T* found = window()->findChild<T*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    std::string stored(std::string_view key) { return settings_.get(key, "(absent)"); }
    std::string selectedZone()
    {
        const auto* list = child<QComboBox>("Combo1");
        return program_.catalogue().keyName(list->currentData().value<std::int32_t>());
    }

    fakes::FakePlatform fake_;
    MemorySettingsStore settings_;
    test::LoadedWindows windows_;
    qt::QtColourDialog colourDialog_;
    qt::QtEventPump events_;
    qt::ZoneTimeOfDay timeOfDay_;
    qt::TzZoneCatalogue zones_;
    qt::QtFileSystem files_;
    qt::AutostartEntry logInStart_;
    Platform platform_{settings_, windows_, fake_.boxes, colourDialog_, events_, fake_.lifetime, timeOfDay_,
        fake_.keepAwake, zones_, files_, logInStart_, fake_.monitors};
    Program program_{platform_};
};

TEST_F(OptionsWindowQt, OpensCentredWithEveryZoneAndTheComputersOwnSelected)
{
    QWidget* w = window();
    EXPECT_EQ(w->windowTitle(), "Horavista");
    EXPECT_EQ(w->size(), QSize(536, 432));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NEAR(w->geometry().center().x(), w->screen()->geometry().center().x(), 3);
    EXPECT_NEAR(w->geometry().center().y(), w->screen()->geometry().center().y(), 3);

    auto* list = child<QComboBox>("Combo1");
    EXPECT_EQ(static_cast<std::size_t>(list->count()), program_.catalogue().TimeZoneList().size());
    EXPECT_GT(list->count(), 300);
    EXPECT_EQ(selectedZone(), zones_.ownZoneKey());
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(stored("Combo1"), std::to_string(list->currentIndex()));
    EXPECT_EQ(stored("Time Zone"), selectedZone());
    EXPECT_EQ(stored("Check4"), "1");
    EXPECT_EQ(stored("Check1"), "(absent)");
    EXPECT_TRUE(child<QCheckBox>("Check4")->isChecked());
    EXPECT_TRUE(fake_.boxes.shown.empty());
}

// EST5EDT is no zone of the list: the window starts on the zone whose
// offsets have matched it since 1970, not the first with its bias (Bogota).
class OptionsWindowOnPosixZone : public OptionsWindowQt {
protected:
    tzsupport::SystemZone computer_{"EST5EDT"};
};

TEST_F(OptionsWindowOnPosixZone, StartsOnTheZoneThatKeepsTheComputersTime)
{
    EXPECT_EQ(selectedZone(), "America/New_York");
    EXPECT_EQ(stored("Combo1"), std::to_string(child<QComboBox>("Combo1")->currentIndex()));
}

TEST_F(OptionsWindowQt, EveryOptionIsStoredByMouseAndKeyboard)
{
    auto* list = child<QComboBox>("Combo1");
    const int before = list->currentIndex();
    QTest::keyClick(list, before + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(stored("Combo1"), std::to_string(list->currentIndex()));
    EXPECT_NE(list->currentIndex(), before);

    // On its box: a check box takes clicks on its box and text only.
    const QPoint onTheBox(8, 8);
    QTest::mouseClick(child<QCheckBox>("Check1"), Qt::LeftButton, {}, onTheBox);
    EXPECT_EQ(stored("Check1"), "1");
    child<QCheckBox>("Check4")->setFocus();
    QTest::keyClick(child<QCheckBox>("Check4"), Qt::Key_Space);
    EXPECT_EQ(stored("Check4"), "0");
    // The log-in entry goes to the autostart folder of this test's own
    // configuration.
    QTemporaryDir config;
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString entry
        = config.filePath("autostart/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName() + ".desktop");
    QTest::mouseClick(child<QCheckBox>("Check3"), Qt::LeftButton, {}, onTheBox);
    EXPECT_EQ(stored("Windows Startup"), "On");
    EXPECT_TRUE(QFile::exists(entry));
    QTest::mouseClick(child<QCheckBox>("Check3"), Qt::LeftButton, {}, onTheBox);
    EXPECT_EQ(stored("Windows Startup"), "Off");
    EXPECT_FALSE(QFile::exists(entry));
    qputenv("XDG_CONFIG_HOME", configHome);

    settings_.write("Clock Color", "255");
    QTest::mouseClick(child<QPushButton>("PushButton5"), Qt::LeftButton);
    EXPECT_EQ(stored("Clock Color"), "16777215");
    EXPECT_EQ(stored("Background Color"), "0");
}

TEST_F(OptionsWindowQt, ATypedNightTimeIsStoredWhenItsEditEnds)
{
    auto* from = child<QLineEdit>("Text1");
    auto* to = child<QLineEdit>("Text2");
    EXPECT_EQ(from->text(), "22:00");
    from->setFocus();
    from->selectAll();
    // A sixth character finds no room.
    QTest::keyClicks(from, "06:150");
    EXPECT_EQ(stored("Night From"), "(absent)");
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(stored("Night From"), "06:15");
    EXPECT_EQ(from->text(), "06:15");

    // Passing through a box stores nothing; leaving an edited one does.
    QTest::keyClick(from, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), to);
    QTest::keyClick(to, Qt::Key_Tab);
    EXPECT_EQ(stored("Night To"), "(absent)");
    to->setFocus();
    to->selectAll();
    QTest::keyClicks(to, "5:30");
    QTest::keyClick(to, Qt::Key_Tab);
    EXPECT_EQ(stored("Night To"), "05:30");
    EXPECT_TRUE(fake_.boxes.shown.empty());
}

TEST_F(OptionsWindowQt, ShowFullscreenClockOpensTheChosenZoneAndEscComesBack)
{
    auto* list = child<QComboBox>("Combo1");
    const int kolkata = list->findText("(UTC+05:30) Kolkata, India");
    ASSERT_GE(kolkata, 0);
    list->setCurrentIndex(kolkata);
    EXPECT_EQ(stored("Combo1"), std::to_string(kolkata));

    QPointer<QWidget> options = window();
    QTest::mouseClick(child<QPushButton>("PushButton1"), Qt::LeftButton);

    ASSERT_TRUE(windows_.loaded("Form2"));
    EXPECT_FALSE(windows_.loaded("Form1"));
    EXPECT_EQ(program_.clockWindow()->zoneKey, "Asia/Kolkata");
    QWidget* clock = windows_.widget("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(clock));
    EXPECT_TRUE(!options || !options->isVisible());

    QTest::keyClick(clock, Qt::Key_Escape);
    EXPECT_FALSE(windows_.loaded("Form2"));
    ASSERT_TRUE(windows_.loaded("Form1"));
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), kolkata);
}

TEST_F(OptionsWindowQt, ChangeColorPicksTheClockColourInTheColourDialog)
{
    QTest::mouseClick(child<QPushButton>("PushButton4"), Qt::LeftButton);
    ASSERT_TRUE(windows_.loaded("Form3"));
    QWidget* colours = windows_.widget("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(colours));
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(colours->size(), QSize(536, 111));
    // The focus rests on the box no one sees.
    EXPECT_EQ(QApplication::focusWidget(), colours->findChild<QLineEdit*>("Text1"));

    // The user picks pure red in the dialog the swatch opens.
    QColor offered;
    QTimer::singleShot(0, [&offered] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        offered = dialog->currentColor();
        dialog->setCurrentColor(Qt::red);
        dialog->accept();
    });
    auto* swatch = colours->findChild<QLabel*>("Label1");
    ASSERT_TRUE(swatch);
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(offered, QColor(Qt::white));
    EXPECT_EQ(stored("Clock Color"), "255");
    EXPECT_EQ(swatch->palette().color(swatch->backgroundRole()), QColor(Qt::red));

    QTest::mouseClick(colours->findChild<QPushButton*>("PushButton1"), Qt::LeftButton);
    EXPECT_FALSE(windows_.loaded("Form3"));
    EXPECT_TRUE(window()->isVisible());
}

TEST_F(OptionsWindowQt, PointerTurnsToTheHandOverShowFullscreenClock)
{
    QWindow* handle = window()->windowHandle();
    const QPoint overButton = child<QPushButton>("PushButton1")->geometry().center();
    QTest::mouseMove(handle, overButton);
    EXPECT_EQ(window()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(handle, QPoint(530, 325));
    EXPECT_EQ(window()->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
