#pragma once
// The real front-end's windows, remembered as they are created, so that a
// test can find the widget of a window the program has loaded.
#include "platform/qt/windows/qt_window.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

namespace hv::test {

class LoadedWindows : public WindowFactory {
public:
    std::unique_ptr<WindowView> createWindow(
        const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner) override
    {
        auto view = windows_.createWindow(design, std::move(events), owner);
        created_.push_back({design.name, std::move(owner), dynamic_cast<qt::QtWindowView&>(*view).widget()});
        return view;
    }

    // The widget of the window of that name while its presenter holds it,
    // else null.
    qt::FormWidget* widget(const std::string& name) const
    {
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            if (it->name == name && !it->owner.expired())
                return it->widget;
        return nullptr;
    }
    bool loaded(const std::string& name) const { return widget(name) != nullptr; }

private:
    struct Window {
        std::string name;
        std::weak_ptr<void> owner;
        QPointer<qt::FormWidget> widget;
    };

    qt::QtWindowFactory windows_;
    std::vector<Window> created_;
};

} // namespace hv::test
