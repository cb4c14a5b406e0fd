// The front-end's rule for the handlers a presenter gives its window: none
// runs once the window is closed or its presenter is gone, and a handler
// may unload its own window, presenter and all.
#include "platform/qt/windows/qt_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace hv;

// Stands in for a presenter: it owns its window and hears its events.
struct Listener {
    std::unique_ptr<WindowView> view;
    std::vector<std::string> heard;
};

class WindowLifetime : public ::testing::Test {
protected:
    // A window whose check box, button, timer and surface report to the
    // listener by name, given as the window's owner.
    void open(Listener& listener, std::weak_ptr<void> owner, std::function<void()> onClick = {})
    {
        Listener* l = &listener;
        auto hear = [l](const char* what) { return [l, what] { l->heard.emplace_back(what); }; };
        WindowDesign design;
        design.name = "Form1";
        WindowEvents events;
        events.onMouseMove = hear("surface");
        listener.view = windows_.createWindow(design, events, std::move(owner));
        box_
            = &listener.view->addCheckBox({"Check1", "Tick", {120, 120, 2000, 255}, {}, {}, 0, kWhite, hear("Check1")});
        listener.view->addPushButton(
            {"PushButton1", "Go", {120, 600, 2000, 405}, {}, {}, 1, kWhite, onClick ? onClick : hear("PushButton1")});
        listener.view->addTimer({"Timer1", 1, true, {}, hear("Timer1")});
        widget_ = dynamic_cast<qt::QtWindowView&>(*listener.view).widget();
    }
    QPushButton* button() const { return widget_->findChild<QPushButton*>("PushButton1"); }

    qt::QtWindowFactory windows_;
    CheckBox* box_ = nullptr;
    QPointer<qt::FormWidget> widget_;
};

TEST_F(WindowLifetime, AClosedWindowTellsItsPresenterNothing)
{
    auto listener = std::make_shared<Listener>();
    open(*listener, listener);
    const auto everything = [&] {
        box_->setValue(box_->value() == 1 ? 0 : 1);
        button()->click();
        QMouseEvent move(QEvent::MouseMove, QPointF(30, 30), QPointF(30, 30), Qt::NoButton, {}, {});
        QApplication::sendEvent(widget_, &move);
        // Until the 1 ms timer has fired once, however busy the machine; a
        // closed window's timer gets the whole wait to fire and must not.
        (void)QTest::qWaitFor([&] { return std::ranges::count(listener->heard, "Timer1") > 0; }, 500);
        return std::exchange(listener->heard, {});
    };
    const auto heard = everything();
    for (const char* what : {"Check1", "PushButton1", "surface", "Timer1"})
        EXPECT_GT(std::ranges::count(heard, what), 0) << what;

    listener->view->close();
    EXPECT_TRUE(everything().empty());
}

TEST_F(WindowLifetime, NoHandlerRunsOnceThePresenterIsGone)
{
    Listener listener;
    auto presenter = std::make_shared<int>();
    open(listener, presenter);
    presenter.reset();
    box_->setValue(1);
    button()->click();
    QTest::qWait(20);
    EXPECT_TRUE(listener.heard.empty());
}

TEST_F(WindowLifetime, AHandlerMayUnloadItsOwnWindowAndPresenter)
{
    auto listener = std::make_shared<Listener>();
    std::weak_ptr<Listener> alive = listener;
    bool clicked = false;
    open(*listener, listener, [&] {
        // The presenter lets its window go and is let go itself; it lives
        // on until this call has returned.
        listener->view.reset();
        listener.reset();
        ASSERT_FALSE(alive.expired());
        clicked = true;
    });
    listener->view->show();
    QTest::mouseClick(button(), Qt::LeftButton);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(alive.expired());
    QTRY_VERIFY(widget_.isNull());
}

} // namespace
