#include "fakes/fake_window.h"

#include "runtime/runtime.h"

#include <stdexcept>
#include <utility>

namespace hv::fakes {

FakeLabel* FakeWindowState::findLabel(const std::string& name) const
{
    for (const auto& l : labels)
        if (l->design.name == name)
            return l.get();
    return nullptr;
}

FakeLabel& FakeWindowState::label(const std::string& name) const
{
    if (FakeLabel* found = findLabel(name))
        return *found;
    throw std::logic_error("no label " + name);
}

FakeTimer& FakeWindowState::timer(const std::string& name) const
{
    for (const auto& t : timers)
        if (t->design.name == name)
            return *t;
    throw std::logic_error("no timer " + name);
}

void FakeWindowState::resize(int width, int height)
{
    canvas.resize(width, height);
    deliver(events.onResize);
}

std::int16_t FakeWindowState::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    if (events.onKeyDown)
        deliver([&] { events.onKeyDown(keyCode, shift); });
    return keyCode;
}

void FakeWindowState::type(std::initializer_list<std::int16_t> keys)
{
    for (auto key : keys)
        keyDown(key);
}

void FakeWindowState::mouseMove(const std::string& name)
{
    if (name.empty())
        deliver(events.onMouseMove);
    else if (const FakeLabel* l = findLabel(name))
        deliver(l->design.onMouseMove);
    else
        deliver(control(name).design.onMouseMove);
}

void FakeWindowState::click(const std::string& name)
{
    if (const FakeLabel* l = findLabel(name))
        deliver(l->design.onClick);
    else
        deliver(control(name).design.onClick);
}

void FakeWindowState::closeRequest() { deliver(events.onCloseRequest); }

void FakeWindowState::reachScreen()
{
    if (!std::exchange(reachedScreen, true))
        deliver(events.onShown);
}

void FakeWindowState::pointerAt(int x, int y)
{
    deliver([&] {
        if (events.onPointerAt)
            events.onPointerAt(x, y);
    });
}

void FakeWindowState::tick(const std::string& timerName)
{
    const FakeTimer& t = timer(timerName);
    if (t.enabled())
        deliver(t.design.onTimer);
}

void FakeWindowState::deliver(const std::function<void()>& handler)
{
    if (closed || destroyed)
        return;
    const auto presenter = owner.lock();
    if (presenter && handler)
        handler();
}

Control& FakeWindowView::addLabel(const LabelDesign& design)
{
    return *s_->labels.emplace_back(std::make_unique<FakeLabel>(design));
}

Timer& FakeWindowView::addTimer(const TimerDesign& design)
{
    return *s_->timers.emplace_back(std::make_unique<FakeTimer>(design));
}

SkinFramework& FakeWindowView::addSkinFramework()
{
    auto& skin = *s_->skins.emplace_back(std::make_unique<FakeSkinFramework>(*s_->log));
    skin.refuse = s_->refuseSkins;
    return skin;
}

void FakeWindowView::setMouseIcon(const std::string& path)
{
    if (s_->notPictures.count(path))
        throw RuntimeError::invalidPicture();
    s_->mouseIcon = path;
}

void FakeWindowView::show()
{
    s_->shown = true;
    s_->hidden = false;
    s_->log->push_back("show " + s_->design.name);
    if (s_->onScreenAtOnce)
        s_->reachScreen();
}

void FakeWindowView::hide()
{
    s_->hidden = true;
    s_->log->push_back("hide " + s_->design.name);
}

void FakeWindowView::close()
{
    s_->closed = true;
    for (auto& t : s_->timers)
        t->setEnabled(false);
    s_->log->push_back("close " + s_->design.name);
}

std::unique_ptr<WindowView> FakeWindowFactory::createWindow(
    const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner)
{
    auto state = std::make_shared<FakeWindowState>();
    state->design = design;
    state->events = std::move(events);
    state->owner = std::move(owner);
    state->log = &log_;
    state->backColor = design.backColor;
    state->monitor = design.monitor.empty() ? "Fake-1" : design.monitor;
    state->notPictures = notPictures;
    state->refuseSkins = refuseSkins;
    state->onScreenAtOnce = onScreenAtOnce;
    created.push_back(state);
    log_.push_back("create " + design.name);
    return std::make_unique<FakeWindowView>(state);
}

FakeWindowState& FakeWindowFactory::last(const std::string& name) const
{
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        if ((*it)->design.name == name)
            return **it;
    throw std::logic_error("no window " + name);
}

bool FakeWindowFactory::loaded(const std::string& name) const
{
    for (const auto& window : created)
        if (window->design.name == name && !window->closed && !window->destroyed)
            return true;
    return false;
}

} // namespace hv::fakes
