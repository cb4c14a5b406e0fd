#include "clock/clock_window.h"

#include "clock/fonts.h"
#include "clock/tick_phase.h"
#include "runtime/error_report.h"
#include "runtime/runtime.h"
#include "shared/window_rules.h"
#include "shared/settings_keys.h"

#include <algorithm>

namespace hv {

void ClockWindow::build()
{
    const ClockMode& mode = host_.clockMode();
    if (!mode.host) {
        singleMonitor_ = host_.optionsMonitor();
        // The notice comes from the event loop, maybe after this window
        // was unloaded or let go.
        p_.monitors.onChange([self = weak_from_this(), this] {
            if (const auto alive = self.lock(); alive && !closing())
                coverMonitors();
        });
    }
    dials_.push_back(makeDial(homeMonitor()));
    addTimers(false);
}

std::unique_ptr<ClockWindow::Dial> ClockWindow::makeDial(const std::string& monitor)
{
    auto dial = std::make_unique<Dial>();
    dial->monitor = monitor;
    const WindowDesign design{.name = "Form2",
        .borderless = true,
        .maximized = true,
        .backColor = kBlack,
        .foreColor = kButtonText,
        .font = kNumeralFont,
        .monitor = monitor,
        .host = host_.clockMode().host};
    Dial* d = dial.get();
    WindowEvents events;
    events.onResize = [this, d] { resized(*d); };
    events.onKeyDown = [this](std::int16_t& keyCode, std::int16_t shift) { keyDown(keyCode, shift); };
    events.onMouseMove = [this, d] { mouseMoved(*d); };
    if (endsOnInput()) {
        events.onPointerAt = [this](int x, int y) { pointerAt(x, y); };
        events.onMouseDown = [this] { p_.lifetime.endNow(0); };
    }
    events.onCloseRequest = [this] { closeRequested(); };
    if (view_) {
        dial->ownView = p_.windows.createWindow(design, std::move(events), weak_from_this());
        dial->view = dial->ownView.get();
    } else {
        createWindow(design, std::move(events));
        dial->view = view_.get();
    }
    dial->surface.emplace(dial->view->canvas(), design.foreColor);
    if (endsOnInput())
        dial->view->setMousePointer(MousePointer::Hidden);

    LabelDesign hint;
    hint.name = "Label1";
    hint.caption = kHint;
    hint.rect = {120, 120, 4215, 495};
    hint.font = kHintFont;
    hint.foreColor = kWhite;
    hint.backColor = kBlack;
    hint.wordWrap = true;
    dial->hint = &dial->view->addLabel(hint);
    return dial;
}

void ClockWindow::addTimers(bool keepAwakeEnabled)
{
    tickTimer_ = &view_->addTimer({"Timer1", 1000, true, msToNextTick, [this] { tick(); }});
    keepAwakeTimer_ = &view_->addTimer({"Timer2", 59000, keepAwakeEnabled, {}, [this] { keepAwakeTick(); }});
}

void ClockWindow::load()
{
    using Box = ClockHost::Box;
    const auto& store = p_.settings;
    ErrorTrap trap(p_.messageBoxes, "Form2.Form_Load");
    trap(100, [&] {
        for (const auto& dial : dials_)
            dial->view->setApplicationIcon();
    });
    trap(102, [&] {
        host_.setOptionBox(Box::HideHint, toInt16(store.get(settings::kHideHint, settings::kHideHintDefault)));
    });
    trap(104, [&] {
        for (const auto& dial : dials_)
            dial->hint->setVisible(host_.optionBox(Box::HideHint) != 1);
    });
    trap(106, [&] {
        host_.setOptionBox(Box::KeepAwake, toInt16(store.get(settings::kKeepAwake, settings::kKeepAwakeDefault)));
    });
    trap(108, [&] {
        // A screen saver keeps nothing awake.
        if (host_.clockMode().screenSaver)
            return;
        // The inhibition lives as long as the keep-awake timer runs: from
        // here until the window unloads.
        const bool keepAwake = host_.optionBox(Box::KeepAwake) == 1;
        keepAwakeTimer_->setEnabled(keepAwake);
        p_.keepAwake.hold(keepAwake);
    });
    trap(110, [&] {
        const Colour back
            = checkedColour(toInt32(store.get(settings::kBackgroundColour, settings::kBackgroundColourDefault)));
        for (const auto& dial : dials_)
            dial->view->setBackColor(back);
    });
    trap(112, [&] {
        for (const auto& dial : dials_)
            dial->hint->setBackColor(dial->view->backColor());
    });
    trap(114, [&] {
        hideWord_.reset();
        hintCollapsed_ = false;
    });
    trap(116, [&] {
        host_.setOptionBox(
            Box::EveryMonitor, toInt16(store.get(settings::kEveryMonitor, settings::kEveryMonitorDefault)));
    });
    trap(118, [&] { coverMonitors(); });
}

std::vector<std::string> ClockWindow::wantedMonitors() const
{
    std::vector<std::string> ids;
    for (const Monitor& monitor : p_.monitors.list())
        ids.push_back(monitor.id);
    const ClockMode& mode = host_.clockMode();
    if (mode.host || ids.empty())
        return {};
    if (mode.screenSaver || host_.optionBox(ClockHost::Box::EveryMonitor) == 1)
        return ids;
    return {homeMonitor()};
}

std::string ClockWindow::homeMonitor() const
{
    const auto monitors = p_.monitors.list();
    if (host_.clockMode().host || monitors.empty())
        return {};
    const bool listed = std::any_of(
        monitors.begin(), monitors.end(), [&](const Monitor& monitor) { return monitor.id == singleMonitor_; });
    return listed ? singleMonitor_ : monitors.front().id;
}

void ClockWindow::coverMonitors()
{
    if (closing())
        return;
    const auto wanted = wantedMonitors();
    // With no monitor listed, or inside a host, the windows stay as they are.
    if (wanted.empty())
        return;
    for (const std::string& monitor : wanted) {
        const bool covered
            = std::any_of(dials_.begin(), dials_.end(), [&](const auto& dial) { return dial->monitor == monitor; });
        if (!covered)
            dials_.push_back(dressedLike(*dials_.front(), makeDial(monitor)));
    }
    // Closed after the new ones opened: the timers may move to one of them.
    for (std::size_t i = dials_.size(); i-- > 0;)
        if (std::find(wanted.begin(), wanted.end(), dials_[i]->monitor) == wanted.end())
            closeDial(i);
}

std::unique_ptr<ClockWindow::Dial> ClockWindow::dressedLike(const Dial& model, std::unique_ptr<Dial> dial)
{
    dial->view->setApplicationIcon();
    dial->view->setBackColor(model.view->backColor());
    dial->hint->setVisible(model.hint->visible());
    dial->hint->setBackColor(model.view->backColor());
    if (hintCollapsed_) {
        dial->hint->setWidth(0);
        dial->hint->setHeight(0);
    }
    if (shown_)
        dial->view->show();
    return dial;
}

void ClockWindow::show()
{
    if (closing())
        return;
    shown_ = true;
    for (const auto& dial : dials_)
        dial->view->show();
}

void ClockWindow::closeDial(std::size_t index)
{
    Dial& gone = *dials_[index];
    if (gone.view == view_.get()) {
        // The timers move to a remaining window, which there is: a wanted
        // monitor's window opens before any closes.
        const auto heir
            = std::find_if(dials_.begin(), dials_.end(), [](const auto& d) { return d->ownView != nullptr; });
        const bool keepAwake = keepAwakeTimer_->enabled();
        view_->close();
        view_ = std::move((*heir)->ownView);
        addTimers(keepAwake);
    } else {
        gone.view->close();
    }
    dials_.erase(dials_.begin() + static_cast<std::ptrdiff_t>(index));
}

void ClockWindow::resized(Dial& dial)
{
    try {
        fitDial(dial);
    } catch (const RuntimeError&) {
        // A client area beyond the 16-bit range: frames show the background.
        dial.geometry = ClockGeometry{};
    }
}

void ClockWindow::fitDial(Dial& dial)
{
    Canvas& canvas = dial.view->canvas();
    dial.surface->cls(dial.view->backColor());
    dial.geometry = geometryFor(canvas.width(), canvas.height());
    // Marks the centre until the first frame wipes it.
    dial.surface->pset(dial.geometry.centerX, dial.geometry.centerY);
}

bool ClockWindow::endsOnInput() const
{
    const ClockMode& mode = host_.clockMode();
    return mode.screenSaver && !mode.host;
}

void ClockWindow::pointerAt(int x, int y)
{
    if (travel_.movedAway(x, y))
        p_.lifetime.endNow(0);
}

void ClockWindow::closeRequested()
{
    // A screen saver's window closes when its host went or the system
    // ends the saver: the program ends with it.
    if (host_.clockMode().screenSaver)
        p_.lifetime.endNow(0);
    host_.unloadClockWindow();
}

void ClockWindow::keyDown(std::int16_t& keyCode, std::int16_t)
{
    const ClockMode& mode = host_.clockMode();
    if (endsOnInput())
        p_.lifetime.endNow(0);
    // Inside a host window the host's owner ends the saver.
    if (mode.host)
        return;
    ErrorTrap trap(p_.messageBoxes, "Form2.Form_KeyDown");
    bool complete = false;
    trap(100, [&] { complete = hideWord_.feed(keyCode); });
    if (keyCode == vk::kEscape) {
        trap(102, [&] {
            for (const auto& dial : dials_)
                dial->view->hide();
        });
        trap(104, [&] { host_.unloadClockWindow(); });
        trap(106, [&] { host_.showOptionsWindow(); });
        return;
    }
    if (complete)
        trap(108, [&] { collapseHints(); });
    if (HideWord::isLetterOfWord(keyCode))
        keyCode = 0;
}

void ClockWindow::collapseHints()
{
    hintCollapsed_ = true;
    for (const auto& dial : dials_)
        if (dial->hint->width() != 0 && dial->hint->height() != 0 && !dial->view->iconic()) {
            dial->hint->setWidth(0);
            dial->hint->setHeight(0);
        }
}

void ClockWindow::mouseMoved(Dial& dial)
{
    // A screen saver's pointer stays hidden.
    if (!endsOnInput())
        applyPointerRule(*dial.view, MousePointer::Default);
}

void ClockWindow::onUnload()
{
    p_.monitors.onChange({});
    // The presenter's own window closes after this; the others now.
    for (const auto& dial : dials_)
        if (dial->ownView)
            dial->ownView->close();
    returnToOptions();
    // Released last: the options window shown above may load afresh, and
    // with the start-up switch on its load runs this closing window's load
    // again, which holds the inhibition once more.
    p_.keepAwake.hold(false);
}

void ClockWindow::returnToOptions()
{
    host_.showOptionsWindow();
    host_.setKeepRunningOnClose(false);
    p_.events.pumpEvents();
    p_.events.pumpEvents();
}

void ClockWindow::tick()
{
    bool drawing = false;
    int optionLine = 0; // of the option being read, if one is
    // The frames of every window show the options as one look at the store
    // found them. A box lets other handlers run, which look afresh.
    std::optional<SettingsStore::Batch> frames;
    // A window that is closing tells nothing more, and a drawing error or
    // a malformed option is told once per opening.
    ErrorTrap trap(p_.messageBoxes, "Form2.Timer1_Timer", [&] {
        const bool told = (drawing && drawingReported_) || optionsReported_.contains(optionLine);
        const bool tell = !closing() && !told;
        if (tell)
            frames.reset();
        return tell;
    });
    trap(100, [&] { p_.events.pumpEvents(); });
    if (closing())
        return;
    frames.emplace(p_.settings);
    const FrameLook look = storedFrameLook(p_.settings, [&](int line, const std::function<void()>& statement) {
        optionLine = line;
        const bool read = trap(line, statement);
        if (!read && trap.lastReported())
            optionsReported_.insert(line);
        optionLine = 0;
        return read;
    });
    // By position: a box the trap shows lets the event loop close a
    // monitor's window meanwhile.
    for (std::size_t i = 0; i < dials_.size() && !closing(); ++i) {
        Dial& dial = *dials_[i];
        drawing = true;
        const bool drawn = trap(102, [&] {
            try {
                ClockPainter(*dial.surface, dial.geometry, p_.settings, look)
                    .draw(p_.timeOfDay.secondsSinceMidnight(zoneKey), dial.view->backColor());
            } catch (...) {
                // Not half a clock: the background, also behind the report.
                dial.surface->cls(dial.view->backColor());
                throw;
            }
        });
        if (!drawn && trap.lastReported())
            drawingReported_ = true;
        drawing = false;
    }
    frames.reset();
    trap(104, [&] {
        p_.events.pumpEvents();
        p_.events.pumpEvents();
    });
}

void ClockWindow::keepAwakeTick()
{
    KeepAwake& awake = p_.keepAwake;
    ErrorTrap trap(p_.messageBoxes, "Form2.Timer2_Timer", [this] { return !closing(); });
    trap(102, [&] { awake.pressKey(); });
    trap(106, [&] { awake.releaseKey(); });
    trap(108, [&] { p_.events.pumpEvents(); });
    trap(110, [&] { awake.resetIdle(); });
}

} // namespace hv
