#include "fakes/fake_services.h"

#include <utility>

namespace hv::fakes {

int FakeMessageBoxes::show(const std::string& text, int style, const std::string& title)
{
    shown.push_back({text, style, title});
    log_.push_back("box");
    if (whileOpen)
        whileOpen();
    return 1;
}

std::vector<std::string> FakeMessageBoxes::texts() const
{
    std::vector<std::string> all;
    for (const auto& box : shown)
        all.push_back(box.text);
    return all;
}

Colour FakeColourDialog::showColor(Colour colour)
{
    offered.push_back(colour);
    log_.push_back("colour dialog");
    return pick.value_or(colour);
}

void FakeEventPump::pumpEvents()
{
    ++count;
    log_.push_back("pump");
    // Taken out first, so what it does runs once even if it pumps again.
    if (auto fn = std::exchange(onNextPump, nullptr))
        fn();
}

void FakeLifetime::endNow(int exitStatus)
{
    log_.push_back(exitStatus == 0 ? "endNow" : "endNow " + std::to_string(exitStatus));
    throw EndedNow{};
}

double FakeTimeOfDay::secondsSinceMidnight(std::string_view zoneKey)
{
    asked.emplace_back(zoneKey);
    auto it = zones.find(std::string(zoneKey));
    return it == zones.end() ? seconds : it->second;
}

std::string FakeFileSystem::programFile(std::string_view relativePath)
{
    return "/opt/horavista/" + std::string(relativePath);
}

std::optional<std::int64_t> FakeFileSystem::modificationTime(const std::string& path)
{
    if (!files.count(path))
        return std::nullopt;
    return 1700000000;
}

void FakeKeepAwake::hold(bool held)
{
    if (held != idleHeld)
        idleChanges.push_back(held);
    idleHeld = held;
}

void FakeLogInStart::enable(const std::string& programPath)
{
    if (refusal)
        throw *refusal;
    entry = programPath;
}

void FakeLogInStart::disable(const std::string&)
{
    if (refusal)
        throw *refusal;
    entry.reset();
}

} // namespace hv::fakes
