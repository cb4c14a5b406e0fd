// The clock window as the user meets it: opened from the real options
// window, keys typed into it, its frames drawn by its own timer.
#include "app/program.h"
#include "fakes/fake_platform.h"
#include "platform/qt/qt_platform.h"
#include "qt/loaded_windows.h"

#include <QLabel>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace hv;

class ClockWindowQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        program_.start();
        auto* show = windows_.widget("Form1")->findChild<QPushButton*>("PushButton1");
        ASSERT_TRUE(show);
        QTest::mouseClick(show, Qt::LeftButton);
        ASSERT_TRUE(windows_.loaded("Form2"));
        widget_ = windows_.widget("Form2");
        ASSERT_TRUE(widget_);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget_));
        hint_ = widget_->findChild<QLabel*>();
        ASSERT_TRUE(hint_);
    }

    void press(Qt::Key key) { QTest::keyClick(widget_, key); }
    void type(const char* letters) { QTest::keyClicks(widget_, letters); }

    fakes::FakePlatform fake_;
    MemorySettingsStore settings_;
    test::LoadedWindows windows_;
    qt::QtEventPump events_;
    Platform platform_{settings_, windows_, fake_.boxes, fake_.colourDialog, events_, fake_.lifetime, fake_.timeOfDay,
        fake_.keepAwake, fake_.zones, fake_.files, fake_.logInStart, fake_.monitors};
    Program program_{platform_};
    qt::FormWidget* widget_ = nullptr;
    QLabel* hint_ = nullptr;
};

TEST_F(ClockWindowQt, CoversTheScreenWithTheHintInItsCorner)
{
    EXPECT_FALSE(widget_->windowFlags() & Qt::WindowTitleHint);
    EXPECT_EQ(widget_->geometry(), widget_->screen()->geometry());
    EXPECT_TRUE(hint_->isVisible());
    EXPECT_EQ(hint_->geometry(), QRect(8, 8, 281, 33));
    EXPECT_EQ(hint_->text().toStdString(), ClockWindow::kHint);
}

TEST_F(ClockWindowQt, TypingHideCollapsesTheHintAndEscClosesTheClock)
{
    type("hi");
    press(Qt::Key_Shift); // a key of its own: the word starts over
    type("de");
    EXPECT_EQ(hint_->size(), QSize(281, 33));

    type("hide");
    EXPECT_EQ(hint_->size(), QSize(0, 0));

    press(Qt::Key_Escape);
    EXPECT_FALSE(windows_.loaded("Form2"));
    EXPECT_FALSE(widget_->isVisible());
    ASSERT_TRUE(windows_.loaded("Form1"));
    EXPECT_TRUE(windows_.widget("Form1")->isVisible());
    EXPECT_TRUE(fake_.boxes.shown.empty());
}

TEST_F(ClockWindowQt, ItsTimerDrawsWholeFramesOnTheScreen)
{
    fake_.timeOfDay.seconds = 3 * 3600; // 03:00:00
    const QSize size = widget_->size();
    const int cx = size.width() / 2, cy = size.height() / 2;
    const int radius = std::min(cx, cy) - 5;

    // The first frame comes about a second after the window opens.
    QTRY_VERIFY_WITH_TIMEOUT(widget_->canvas().image().pixelColor(cx, cy - radius) == Qt::white, 2500);
    const QImage shown = widget_->grab().toImage();
    EXPECT_EQ(shown.pixelColor(cx, cy - radius), Qt::white); // rim at 12
    EXPECT_EQ(shown.pixelColor(cx + radius / 2, cy), Qt::white); // hour hand at 3
    EXPECT_EQ(shown.pixelColor(cx, cy - radius / 2), Qt::white); // minute hand at 12
    EXPECT_EQ(shown.pixelColor(cx - radius / 2, cy), Qt::black); // nothing at 9
    EXPECT_TRUE(fake_.boxes.shown.empty());
}

TEST_F(ClockWindowQt, HugeWindowPaintsWhatIsAskedOfIt)
{
    // Hidden, so that no screen's backing store of that size is made.
    widget_->hide();
    widget_->resize(16000, 16000);
    QResizeEvent resized(widget_->size(), widget_->screen()->size());
    QCoreApplication::sendEvent(widget_, &resized);
    ASSERT_EQ(widget_->canvas().width(), 16000);
    fake_.timeOfDay.seconds = 3 * 3600;
    program_.clockWindow()->tick();

    QImage corner(64, 64, QImage::Format_RGB32);
    corner.fill(Qt::red);
    widget_->render(&corner, QPoint(), QRegion(0, 0, 64, 64));
    EXPECT_EQ(corner.pixelColor(40, 50), Qt::black);
    EXPECT_TRUE(fake_.boxes.shown.empty());
}

// The regions the window is asked to repaint.
class PaintedRegions : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

TEST_F(ClockWindowQt, RepaintsAFewRectanglesAroundWhatEachFrameChanged)
{
    PaintedRegions painted;
    widget_->installEventFilter(&painted);
    auto clock = program_.clockWindow();
    // A minute of frames, the hands moving over the whole dial.
    for (int s = 0; s < 60; ++s) {
        fake_.timeOfDay.seconds = 10 * 3600 + 8 * 60 + s;
        clock->tick();
    }
    ASSERT_GE(painted.regions.size(), 50u);
    int most = 0;
    for (const QRegion& region : painted.regions)
        most = std::max(most, region.rectCount());
    // Thin bands around the hands made the paint path's heap grow for hours.
    EXPECT_LE(most, 24) << widget_->size().width() << "x" << widget_->size().height();
}

} // namespace
