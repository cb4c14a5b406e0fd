#pragma once
// The catalogue of time zones the system keeps, read from the registry's
// "Time Zones" key into one table, in the registry's own order, and the
// bias of the zone the computer is set to.
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/system_info.h"
#include "tz/tzi.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hv {

struct TimeZoneEntry {
    Tzi::Bytes TZI{};     // the "TZI" value, byte for byte
    std::string Display;  // normalised by FormatZoneName
    std::string Std;
    std::string Dlt;
    std::string MapID;

    std::int32_t bias() const { return Tzi::fromBytes(TZI).bias; }
};

// The text up to its first NUL, or all of it.
std::string TrimNull(std::string_view text);
// "(utc+5:30)   Chennai" -> "(UTC+05:30) Chennai".
std::string FormatZoneName(std::string_view display);

class TimeZoneCatalogue {
public:
    TimeZoneCatalogue(Registry& registry, SystemInfo& system, MessageBoxes& boxes, ProgramLifetime& lifetime)
        : registry_(registry), system_(system), boxes_(boxes), lifetime_(lifetime) {}

    // Reads the catalogue afresh. When its key cannot be opened or holds
    // no zone, says so, led by the system's note on what is missing, and
    // ends the program.
    void LoadTimeZones();
    // Standard-time bias of the zone the computer is set to, in minutes.
    std::int32_t GetCurrentBias();
    // False when the key at path cannot be opened or gives no zone. A zone
    // whose name does not fit the name buffer or whose "TZI" is missing or
    // damaged is left out, and a catalogue larger than a list can hold
    // keeps its first 32767 zones; all are said on stderr.
    bool EnumTimeZones(const std::string& path);
    std::string WindowsKeyPath();
    bool IsWindowsNT();
    std::string ReadRegString(RegKey key, std::string_view valueName);

    // Index-aligned tables.
    const std::vector<TimeZoneEntry>& TimeZoneList() const { return list_; }
    const std::vector<std::string>& TimeZoneKeyNames() const { return keyNames_; }
    // Last index of the tables; raises "Subscript out of range" while they
    // are empty.
    int upperBound() const;
    // The entry at index; raises "Subscript out of range" outside.
    const TimeZoneEntry& entry(std::int32_t index) const;
    const std::string& keyName(std::int32_t index) const;

private:
    Registry& registry_;
    SystemInfo& system_;
    MessageBoxes& boxes_;
    ProgramLifetime& lifetime_;
    std::vector<TimeZoneEntry> list_;
    std::vector<std::string> keyNames_;
};

} // namespace hv
