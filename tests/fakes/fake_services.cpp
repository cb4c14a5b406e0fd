#include "fakes/fake_services.h"

#include <cstdio>
#include <utility>

namespace hv::fakes {

namespace {

std::string hex(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    return buffer;
}

} // namespace

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

std::uint32_t FakeSystemInput::mapVirtualKey(std::uint32_t code, std::uint32_t mapType)
{
    log_.push_back("mapVirtualKey " + hex(code) + ' ' + std::to_string(mapType));
    return code == kVkRightShift ? 0x36 : 0;
}

void FakeSystemInput::keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags)
{
    log_.push_back("keyEvent " + hex(virtualKey) + ' ' + hex(scanCode) + ' ' + std::to_string(flags));
}

void FakeSystemInput::setExecutionState(std::uint32_t flags)
{
    log_.push_back("setExecutionState " + std::to_string(flags));
}

void FakeSystemInput::holdIdleInhibition(bool hold)
{
    if (hold != idleHeld)
        idleChanges.push_back(hold);
    idleHeld = hold;
}

} // namespace hv::fakes
