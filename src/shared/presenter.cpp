#include "shared/presenter.h"

#include <utility>

namespace hv {

void Presenter::create()
{
    build();
    load();
}

void Presenter::show()
{
    if (!closing_)
        view_->show();
}

void Presenter::unload()
{
    // Set first: the unload handling may let events run, which must find
    // the window closing.
    closing_ = true;
    onUnload();
    view_->close();
}

void Presenter::createWindow(const WindowDesign& design, WindowEvents events)
{
    view_ = p_.windows.createWindow(design, std::move(events), weak_from_this());
}

} // namespace hv
