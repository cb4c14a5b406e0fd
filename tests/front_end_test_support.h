#pragma once
// What the tests of both front-ends' windows share: a stand-in presenter
// that writes down what it hears, the number of a raised error, the options
// window's first controls and the sorted list's contract.
#include "runtime/runtime.h"
#include "platform/window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace hv::test {

// Stands in for the presenter: what the window and its controls report,
// each event with the name of its control.
class RecordingEvents {
public:
    std::function<void()> record(std::string event)
    {
        return [this, event] { log.push_back(event); };
    }
    // Every control reports its clicks and the mouse moving over it, as far
    // as the front-end reports them.
    ControlDesign reporting(ControlDesign design)
    {
        design.onClick = record("click " + design.name);
        design.onMouseMove = record("move " + design.name);
        return design;
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
    std::vector<std::string> log;
};

// The number of the run-time error fn raises, or 0 when it raises none.
inline int errorNumber(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

// The options window: fixed, centred, without a maximise button.
inline WindowDesign optionsWindowDesign()
{
    WindowDesign design;
    design.name = "Form1";
    design.fixedSingle = true;
    design.client = {8040, 4950};
    design.maxButton = false;
    design.centred = true;
    design.font = {"Arial", 9, true};
    return design;
}

struct OptionsControls {
    ComboBox* list = nullptr;
    CheckBox* box = nullptr;
};

// The options window with its button, its list in a frame and a check box
// in another frame, every one reporting to events.
inline OptionsControls openOptionsWindow(
    WindowFactory& windows, std::unique_ptr<WindowView>& view, const std::shared_ptr<RecordingEvents>& events)
{
    WindowEvents windowEvents;
    windowEvents.onMouseMove = events->record("move ");
    view = windows.createWindow(optionsWindowDesign(), windowEvents, events);
    view->setCaption("Horavista");
    const FontDesign font{"Arial", 9, true};
    const FontDesign buttonFont{"Arial", 11.25, true};
    RecordingEvents& r = *events;
    view->addPushButton(
        r.reporting({"PushButton1", "Show Fullscreen Clock", {120, 120, 7800, 405}, buttonFont, "", 3}));
    view->addFrame(r.reporting({"Frame2", "Select Time Zone", {120, 560, 7800, 810}, font, "", 5}));
    OptionsControls controls;
    controls.list = &view->addComboBox(r.reporting({"Combo1", "", {240, 300, 7455, 345}, font, "Frame2", 0}));
    view->addFrame(r.reporting({"Frame1", "Prevent Option", {120, 1440, 7800, 1050}, font, "", 4}));
    controls.box = &view->addCheckBox(
        r.reporting({"Check4", "Prevent computer from sleeping", {240, 300, 5295, 255}, font, "Frame1", 1}));
    return controls;
}

// The list sorts without regard to case, keeps each entry's data, tells
// only a change of selection and refuses positions outside it. It ends
// with "beta" selected, the fourth of six entries.
inline void expectSortedListWithData(ComboBox& list, RecordingEvents& events)
{
    using ::testing::ElementsAre;
    using ::testing::IsEmpty;
    for (const char* text : {"Gamma", "Alpha", "beta", "delta"})
        list.setItemData(list.addItem(text), text[0]);
    EXPECT_EQ(list.addItem("Alpha2"), 1);
    list.setItemData(1, 'A' + 2);
    const std::vector<std::string> texts{"Alpha", "Alpha2", "beta", "delta", "Gamma"};
    const std::vector<std::int32_t> data{'A', 'C', 'b', 'd', 'G'};
    ASSERT_EQ(list.listCount(), 5);
    for (int i = 0; i < list.listCount(); ++i) {
        EXPECT_EQ(list.itemText(i), texts[i]);
        EXPECT_EQ(list.itemData(i), data[i]);
    }
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_THAT(events.log, IsEmpty());

    list.setListIndex(2);
    list.setListIndex(2);
    EXPECT_THAT(events.take(), ElementsAre("click Combo1"));
    list.addItem("aardvark"); // lands before the selection, which stays on its entry
    EXPECT_EQ(list.listIndex(), 3);
    EXPECT_EQ(list.itemText(3), "beta");
    EXPECT_THAT(events.log, IsEmpty());

    const int count = list.listCount();
    EXPECT_EQ(errorNumber([&] { list.setListIndex(-2); }), 380);
    EXPECT_EQ(errorNumber([&] { list.setListIndex(count); }), 380);
    EXPECT_EQ(errorNumber([&] { list.itemData(-1); }), 381);
    EXPECT_EQ(errorNumber([&] { list.setItemData(count, 1); }), 381);
    EXPECT_EQ(errorNumber([&] { list.itemText(count); }), 381);
    EXPECT_EQ(list.listIndex(), 3);
}

} // namespace hv::test
