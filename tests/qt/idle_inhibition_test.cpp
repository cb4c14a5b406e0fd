// The idle inhibition as the desktop's services see it: the real clock
// window opened and closed on the offscreen platform, the front-end's
// inhibitor talking over a private session bus to stand-ins for the screen
// saver and the portal.
#include "app/program.h"
#include "desktop_bus/private_bus.h"
#include "desktop_bus/stand_ins.h"
#include "fakes/fake_platform.h"
#include "platform/qt/qt_platform.h"
#include "qt/loaded_windows.h"
#include "shared/settings_keys.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace hv;
using test::PortalStandIn;
using test::ScreenSaverStandIn;

const QString kReason = QStringLiteral("\"The clock is shown full screen\"");

class IdleInhibition : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (bus_.address().isEmpty())
            GTEST_SKIP() << bus_.why().toStdString();
        // The services and the program each have a connection of their own.
        services_ = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(bus_.address(), "stand-ins"));
        const QDBusConnection own = QDBusConnection::connectToBus(bus_.address(), "horavista");
        ASSERT_TRUE(services_->isConnected() && own.isConnected());
        keepAwake_ = std::make_unique<qt::X11KeepAwake>("horavista");
        platform_ = std::make_unique<Platform>(Platform{settings_, windows_, fake_.boxes, fake_.colourDialog, events_,
            fake_.lifetime, fake_.timeOfDay, *keepAwake_, fake_.zones, fake_.files, fake_.logInStart, fake_.monitors});
        program_ = std::make_unique<Program>(*platform_);
    }

    void TearDown() override
    {
        program_.reset();
        keepAwake_.reset();
        services_.reset();
        QDBusConnection::disconnectFromBus("stand-ins");
        QDBusConnection::disconnectFromBus("horavista");
    }

    void openClock()
    {
        program_->start();
        auto* show = windows_.widget("Form1")->findChild<QPushButton*>("PushButton1");
        ASSERT_TRUE(show);
        QTest::mouseClick(show, Qt::LeftButton);
        ASSERT_TRUE(windows_.loaded("Form2"));
    }
    void pressEsc() { QTest::keyClick(windows_.widget("Form2"), Qt::Key_Escape); }

    // Lets the bus carry messages until the log has lines lines, then a
    // little longer, so that one too many would show.
    static QStringList settled(const QStringList& log, qsizetype lines)
    {
        static_cast<void>(QTest::qWaitFor([&] { return log.size() >= lines; }, 5000));
        QTest::qWait(100);
        return log;
    }

    test::PrivateBus bus_;
    std::unique_ptr<QDBusConnection> services_;
    fakes::FakePlatform fake_;
    MemorySettingsStore settings_;
    test::LoadedWindows windows_;
    qt::QtEventPump events_;
    std::unique_ptr<qt::X11KeepAwake> keepAwake_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<Program> program_;
};

TEST_F(IdleInhibition, ScreenSaverIsInhibitedWhileTheClockIsShown)
{
    ScreenSaverStandIn saver(*services_);
    openClock();
    const QString inhibit = "Inhibit " + QCoreApplication::applicationName() + " " + kReason + " -> 41";
    EXPECT_EQ(settled(saver.log, 1), QStringList{inhibit});

    pressEsc();
    EXPECT_EQ(settled(saver.log, 2), (QStringList{inhibit, "UnInhibit 41"}));
}

TEST_F(IdleInhibition, NothingIsAskedWhileOnlyTheOptionsWindowIsOpen)
{
    ScreenSaverStandIn saver(*services_);
    PortalStandIn portal(*services_);
    program_->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows_.widget("Form1")));
    QTest::qWait(300);
    EXPECT_TRUE(saver.log.isEmpty()) << saver.log.join('\n').toStdString();
    EXPECT_TRUE(portal.log.isEmpty()) << portal.log.join('\n').toStdString();
}

TEST_F(IdleInhibition, NothingIsInhibitedWithKeepAwakeOff)
{
    ScreenSaverStandIn saver(*services_);
    PortalStandIn portal(*services_);
    settings_.write(settings::kKeepAwake, "0");
    openClock();
    QTest::qWait(300);
    pressEsc();
    EXPECT_TRUE(settled(saver.log, 0).isEmpty());
    EXPECT_TRUE(portal.log.isEmpty());
}

TEST_F(IdleInhibition, PortalIsPreferredWhenBothAreThere)
{
    ScreenSaverStandIn saver(*services_);
    PortalStandIn portal(*services_);
    openClock();
    const QString inhibit = "Inhibit \"\" 8 " + kReason + " -> /org/freedesktop/portal/desktop/request/1/t1";
    EXPECT_EQ(settled(portal.log, 1), QStringList{inhibit});

    pressEsc();
    EXPECT_EQ(settled(portal.log, 2), (QStringList{inhibit, "Close /org/freedesktop/portal/desktop/request/1/t1"}));
    EXPECT_TRUE(saver.log.isEmpty());
}

TEST_F(IdleInhibition, ScreenSaverOnTheShortPathServesToo)
{
    ScreenSaverStandIn saver(*services_, "/ScreenSaver");
    openClock();
    EXPECT_EQ(settled(saver.log, 1).size(), 1);
    pressEsc();
    EXPECT_EQ(settled(saver.log, 2).value(1), "UnInhibit 41");
}

TEST_F(IdleInhibition, ClosedBeforeTheAnswerCameLetsGoWhenItComes)
{
    ScreenSaverStandIn saver(*services_);
    saver.answerLater = true;
    openClock();
    ASSERT_EQ(settled(saver.log, 1).size(), 1);
    pressEsc();
    saver.answerNow();
    EXPECT_EQ(settled(saver.log, 2).value(1), "UnInhibit 41");
}

TEST_F(IdleInhibition, ScreenSaverThatRestartsIsAskedAgain)
{
    ScreenSaverStandIn saver(*services_);
    openClock();
    ASSERT_EQ(settled(saver.log, 1).size(), 1);

    // Its inhibition ended with it; the next one is asked for.
    saver.leave();
    saver.come();
    ASSERT_EQ(settled(saver.log, 2).size(), 2);
    EXPECT_TRUE(saver.log[1].endsWith("-> 42"));

    pressEsc();
    EXPECT_EQ(settled(saver.log, 3).value(2), "UnInhibit 42");
}

TEST(IdleInhibitionWithoutBus, NothingHappens)
{
    // A connection to no bus at all, as in a session that has none.
    const QDBusConnection none = QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "nowhere");
    ASSERT_FALSE(none.isConnected());
    qt::IdleInhibitor inhibitor(QStringLiteral("nowhere"));
    inhibitor.setHeld(true);
    inhibitor.reportActivity();
    inhibitor.setHeld(false);
    QDBusConnection::disconnectFromBus("nowhere");
}

} // namespace
