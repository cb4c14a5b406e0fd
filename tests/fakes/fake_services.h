#pragma once
// Fakes of the ports besides windows: message boxes, the colour dialog,
// the event pump, the program's end, the time of day, the file system,
// keeping awake and the log-in entry. Those that the order of calls
// matters for write what reached them into the shared log.
#include "fakes/fake_controls.h"
#include "platform/file_system.h"
#include "platform/keep_awake.h"
#include "platform/log_in_start.h"
#include "platform/monitors.h"
#include "runtime/runtime.h"
#include "platform/services.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace hv::fakes {

class FakeMessageBoxes : public MessageBoxes {
public:
    struct Box {
        std::string text;
        int style;
        std::string title;
    };

    explicit FakeMessageBoxes(Log& log)
        : log_(log)
    {
    }

    int show(const std::string& text, int style, const std::string& title) override;
    std::vector<std::string> texts() const;

    std::vector<Box> shown;
    // A modal box runs an event loop of its own; events can reach the
    // program while it is open.
    std::function<void()> whileOpen;

private:
    Log& log_;
};

// The user picks `pick`, or cancels while it is empty.
class FakeColourDialog : public ColourDialog {
public:
    explicit FakeColourDialog(Log& log)
        : log_(log)
    {
    }
    Colour showColor(Colour colour) override;

    std::optional<Colour> pick;
    std::vector<Colour> offered;

private:
    Log& log_;
};

class FakeEventPump : public EventPump {
public:
    explicit FakeEventPump(Log& log)
        : log_(log)
    {
    }

    void pumpEvents() override;

    int count = 0;
    // Runs inside the next pump only: the pending event it stands for.
    std::function<void()> onNextPump;

private:
    Log& log_;
};

struct EndedNow {};

class FakeLifetime : public ProgramLifetime {
public:
    explicit FakeLifetime(Log& log)
        : log_(log)
    {
    }
    [[noreturn]] void endNow(int exitStatus) override;

private:
    Log& log_;
};

// Every zone shows the same time of day unless a test gives it its own.
class FakeTimeOfDay : public TimeOfDay {
public:
    double secondsSinceMidnight(std::string_view zoneKey) override;

    double seconds = 0;
    std::map<std::string, double> zones;
    std::vector<std::string> asked;
};

// The program's folder is /opt/horavista; files exist when a test adds them.
class FakeFileSystem : public FileSystem {
public:
    std::string programFile(std::string_view relativePath) override;
    std::string executablePath() override { return executable; }
    std::optional<std::int64_t> modificationTime(const std::string& path) override;
    bool findOrdinaryFile(const std::string& path) override { return files.count(path) && !hidden.count(path); }

    std::set<std::string> files;
    std::set<std::string> hidden;
    std::string executable = "/opt/horavista/horavista";
};

// Writes the key's presses and the idle resets into the log.
class FakeKeepAwake : public KeepAwake {
public:
    explicit FakeKeepAwake(Log& log)
        : log_(log)
    {
    }

    void pressKey() override { log_.push_back("press right Shift"); }
    void releaseKey() override { log_.push_back("release right Shift"); }
    void resetIdle() override { log_.push_back("reset idle"); }
    // Kept apart from the log: the windows' tests follow their calls in it.
    void hold(bool held) override;

    bool idleHeld = false;
    // Every change of the inhibition, in order: true held, false released.
    std::vector<bool> idleChanges;

private:
    Log& log_;
};

// One entry, which names the program it starts; refusal, when set, is
// raised instead of any change.
class FakeLogInStart : public LogInStart {
public:
    void enable(const std::string& programPath) override;
    void disable(const std::string& programPath) override;

    std::optional<std::string> entry;
    std::optional<RuntimeError> refusal;
};

// Monitors a test plugs in and removes: change() tells the program, as the
// event loop would after the platform's notice.
class FakeMonitors : public Monitors {
public:
    std::vector<Monitor> list() const override { return monitors; }
    void onChange(std::function<void()> changed) override { changed_ = std::move(changed); }
    void change()
    {
        if (changed_)
            changed_();
    }

    std::vector<Monitor> monitors{{"Fake-1", 0, 0, 1920, 1080, 96}};

private:
    std::function<void()> changed_;
};

} // namespace hv::fakes
