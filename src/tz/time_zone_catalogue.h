#pragma once
// The catalogue of time zones the system keeps, read into one table in
// the catalogue's own order, and the bias of the zone the computer is set
// to.
#include "platform/services.h"
#include "platform/zone_catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hv {

struct TimeZoneEntry {
    std::string Display; // normalised by FormatZoneName
    std::int32_t bias = 0; // standard bias in minutes
};

// "(utc+5:30)   Chennai" -> "(UTC+05:30) Chennai".
std::string FormatZoneName(std::string_view display);

class TimeZoneCatalogue {
public:
    TimeZoneCatalogue(ZoneCatalogue& zones, MessageBoxes& boxes, ProgramLifetime& lifetime)
        : zones_(zones)
        , boxes_(boxes)
        , lifetime_(lifetime)
    {
    }

    // Reads the catalogue afresh. A zone whose name does not fit the name
    // buffer is left out, and a catalogue larger than a list can hold keeps
    // its first 32767 zones; both are said on stderr. When not one zone is
    // left, says the catalogue is missing, led by the system's note, and
    // ends the program.
    void LoadTimeZones();
    // Standard-time bias of the zone the computer is set to, in minutes.
    std::int32_t GetCurrentBias();

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
    ZoneCatalogue& zones_;
    MessageBoxes& boxes_;
    ProgramLifetime& lifetime_;
    std::vector<TimeZoneEntry> list_;
    std::vector<std::string> keyNames_;
};

} // namespace hv
