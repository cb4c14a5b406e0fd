#pragma once
// Fakes of the ports besides windows: message boxes, the colour dialog,
// the event pump, the program's end, the time of day, the file system and
// simulated input. Those that the order of calls matters for write what
// reached them into the shared log.
#include "fakes/fake_controls.h"
#include "platform/file_system.h"
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

    explicit FakeMessageBoxes(Log& log) : log_(log) {}

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
    explicit FakeColourDialog(Log& log) : log_(log) {}
    Colour showColor(Colour colour) override;

    std::optional<Colour> pick;
    std::vector<Colour> offered;

private:
    Log& log_;
};

class FakeEventPump : public EventPump {
public:
    explicit FakeEventPump(Log& log) : log_(log) {}

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
    explicit FakeLifetime(Log& log) : log_(log) {}
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

class FakeSystemInput : public SystemInput {
public:
    explicit FakeSystemInput(Log& log) : log_(log) {}

    // Right Shift has its scan code of set 1 on a standard layout.
    std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    void keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    void setExecutionState(std::uint32_t flags) override;
    // Kept apart from the log: the windows' tests follow their calls in it.
    void holdIdleInhibition(bool hold) override;

    bool idleHeld = false;
    // Every change of the inhibition, in order: true held, false released.
    std::vector<bool> idleChanges;

private:
    Log& log_;
};

} // namespace hv::fakes
