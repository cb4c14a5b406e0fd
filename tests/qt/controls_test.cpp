// The options window's kind of window on the real front-end: controls
// placed from twips, their events as the presenter receives them, the
// custom pointer and the skin.
#include "file_test_support.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/windows/qt_skin.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace hv;
using test::cursorFile;
using test::errorNumber;
using test::RecordingEvents;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class QtControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto controls = test::openOptionsWindow(windows_, view_, events_);
        list_ = controls.list;
        box_ = controls.box;
        form_ = dynamic_cast<qt::QtWindowView&>(*view_).widget();
    }

    void TearDown() override { qApp->setStyleSheet({}); }

    template <typename T>
    T* child(const char* name) const
    {
        return form_->findChild<T*>(name);
    }

    void showWindow()
    {
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_));
    }
    QPoint inWindow(const char* name, QPoint at) const { return child<QWidget>(name)->mapTo(form_, at); }

    std::shared_ptr<RecordingEvents> events_ = std::make_shared<RecordingEvents>();
    qt::QtWindowFactory windows_;
    std::unique_ptr<WindowView> view_;
    ComboBox* list_ = nullptr;
    CheckBox* box_ = nullptr;
    qt::FormWidget* form_ = nullptr;
};

TEST_F(QtControls, TwipsBecomePixelsAndFramesHoldTheirChildren)
{
    const struct {
        const char* name;
        const char* parent;
        QRect pixels;
        double points;
    } cases[] = {
        {"PushButton1", "Form1", {8, 8, 520, 27}, 11.25},
        {"Frame2", "Form1", {8, 37, 520, 54}, 9},
        {"Combo1", "Frame2", {16, 20, 497, 23}, 9},
        {"Frame1", "Form1", {8, 96, 520, 70}, 9},
        {"Check4", "Frame1", {16, 20, 353, 17}, 9},
    };
    for (const auto& c : cases) {
        const QWidget* w = child<QWidget>(c.name);
        ASSERT_TRUE(w) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName(), c.parent) << c.name;
        EXPECT_EQ(w->geometry(), c.pixels) << c.name;
        EXPECT_EQ(w->font().pointSizeF(), c.points) << c.name;
        EXPECT_TRUE(w->font().bold()) << c.name;
    }
    box_->setWidth(3000);
    EXPECT_EQ(child<QWidget>("Check4")->width(), 200);
    EXPECT_EQ(box_->width(), 3000);
}

TEST_F(QtControls, TheWindowIsFixedCentredAndStartsOnTheFirstTabStop)
{
    showWindow();
    EXPECT_EQ(form_->size(), QSize(536, 330));
    EXPECT_EQ(form_->minimumSize(), form_->maximumSize());
    EXPECT_TRUE(form_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form_->windowTitle(), "Horavista");
    // Centred before the window manager tells how thick its frame is.
    const QPoint offCentre = form_->frameGeometry().center() - form_->screen()->availableGeometry().center();
    const QSize frame = form_->frameGeometry().size() - form_->size();
    EXPECT_LE(std::abs(offCentre.x()), frame.width());
    EXPECT_LE(std::abs(offCentre.y()), frame.height());

    EXPECT_EQ(form_->focusWidget(), child<QComboBox>("Combo1"));
    QWidget* order[] = {child<QComboBox>("Combo1"), child<QCheckBox>("Check4"), child<QPushButton>("PushButton1")};
    for (QWidget* w : order) {
        EXPECT_EQ(form_->focusWidget(), w);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    EXPECT_EQ(form_->focusWidget(), order[0]);
}

TEST_F(QtControls, ACheckBoxReportsEachChangeOnceByCodeOrByTheUser)
{
    showWindow();
    auto* box = child<QCheckBox>("Check4");
    box_->setValue(1);
    box_->setValue(1);
    EXPECT_THAT(events_->take(), ElementsAre("click Check4"));

    box_->setValue(2);
    EXPECT_EQ(box->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(box_->value(), 1); // a greyed box the user clicks turns ticked
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box_->value(), 0);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box_->value(), 1);
    EXPECT_THAT(events_->take(), ElementsAre("click Check4", "click Check4", "click Check4", "click Check4"));

    EXPECT_EQ(errorNumber([&] { box_->setValue(3); }), 380);
    EXPECT_EQ(box_->value(), 1);
}

TEST_F(QtControls, TheListSortsWithoutRegardToCaseAndKeepsEachEntrysData)
{
    test::expectSortedListWithData(*list_, *events_);
    QTest::keyClick(child<QComboBox>("Combo1"), Qt::Key_Down);
    EXPECT_EQ(list_->listIndex(), 4);
    EXPECT_THAT(events_->take(), ElementsAre("click Combo1"));

    list_->clear();
    EXPECT_EQ(list_->listCount(), 0);
    EXPECT_EQ(list_->listIndex(), -1);
    EXPECT_THAT(events_->log, IsEmpty());
}

TEST_F(QtControls, ButtonsAndFramesReportClicksAndTheMouseMovingOverThem)
{
    showWindow();
    QWindow* window = form_->windowHandle();
    QTest::mouseMove(window, inWindow("PushButton1", {40, 10}));
    QTest::mouseMove(window, inWindow("Frame1", {400, 40}));
    QTest::mouseMove(window, inWindow("Check4", {5, 5})); // a box reports none
    QTest::mouseMove(window, QPoint(530, 320));
    EXPECT_THAT(events_->take(), ElementsAre("move PushButton1", "move Frame1", "move "));

    QTest::mouseClick(child<QPushButton>("PushButton1"), Qt::LeftButton);
    EXPECT_THAT(events_->take(), ElementsAre("click PushButton1"));
}

TEST_F(QtControls, SpaceReturnAndTheKeypadsEnterPressTheFocusedButton)
{
    showWindow();
    auto* button = child<QPushButton>("PushButton1");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_THAT(events_->take(), ElementsAre("click PushButton1", "click PushButton1", "click PushButton1"));

    // A held key is one press, however long the key repeats.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, {}, true);
    QApplication::sendEvent(button, &repeat);
    QTest::keyClick(child<QCheckBox>("Check4"), Qt::Key_Return); // a box is no button
    EXPECT_THAT(events_->log, IsEmpty());
}

TEST_F(QtControls, TheCustomPointerShowsTheCursorFileOverEveryControl)
{
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
        return path;
    };

    view_->setMousePointer(MousePointer::Custom);
    EXPECT_EQ(form_->cursor().shape(), Qt::PointingHandCursor);
    for (const QWidget* w : form_->findChildren<QWidget*>())
        EXPECT_FALSE(w->testAttribute(Qt::WA_SetCursor)) << w->objectName().toStdString();

    view_->setMouseIcon(write("HAND-M.CUR", cursorFile(3, 5)));
    EXPECT_EQ(form_->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form_->cursor().hotSpot(), QPoint(3, 5));
    EXPECT_EQ(child<QPushButton>("PushButton1")->cursor().hotSpot(), QPoint(3, 5));

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(8, 8, QImage::Format_RGB32).save(&buffer, "png");
    EXPECT_EQ(errorNumber([&] { view_->setMouseIcon(write("picture.png", png)); }), 481);
    EXPECT_EQ(errorNumber([&] { view_->setMouseIcon(write("empty.cur", {})); }), 481);
    EXPECT_EQ(errorNumber([&] { view_->setMouseIcon(dir.filePath("missing.cur").toStdString()); }), 75);
    EXPECT_EQ(form_->cursor().hotSpot(), QPoint(3, 5));

    QByteArray icon = cursorFile(0, 0);
    icon[2] = 1; // an icon points with its centre
    view_->setMouseIcon(write("hand.ico", icon));
    EXPECT_EQ(form_->cursor().hotSpot(), QPoint(16, 16));

    view_->setMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(child<QCheckBox>("Check4")->cursor().shape(), Qt::WaitCursor);
    view_->setMousePointer(MousePointer::Default);
    EXPECT_EQ(form_->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(QtControls, ASkinIsAStyleSheetForOneWindowOrForEveryWindow)
{
    QTemporaryDir dir;
    SkinFramework& skin = view_->addSkinFramework();
    const std::string path = dir.filePath("o.cjs").toStdString();
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(path, ""); }), 75);
    std::ofstream(path) << "  \n";
    EXPECT_EQ(errorNumber([&] { skin.loadSkin(path, ""); }), 75);

    const QString sheet = "QPushButton { color: #123456; } /* \u00e9 */";
    std::ofstream(path) << sheet.toStdString();
    skin.loadSkin(path, "");
    EXPECT_TRUE(QFile::exists("skin:o.cjs")); // the sheet's images are found beside it
    skin.setApplyOptions(skin.applyOptions() | 1);
    EXPECT_EQ(skin.applyOptions(), 1);
    skin.applyWindow(*view_);
    EXPECT_EQ(form_->styleSheet(), sheet);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());

    skin.setAutoApplyNewWindows(true);
    EXPECT_EQ(qApp->styleSheet(), sheet);
    std::ofstream(path) << "QCheckBox { color: red; }";
    skin.loadSkin(path, "");
    EXPECT_EQ(qApp->styleSheet(), "QCheckBox { color: red; }");
}

} // namespace
