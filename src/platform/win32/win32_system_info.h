#pragma once
// What Windows says of itself and of the zone the computer is set to.
#include "platform/system_info.h"
#include "platform/win32/dynamic_zones.h"

namespace hv::win32 {

class Win32SystemInfo : public SystemInfo {
public:
    int getVersionEx(OsVersionInfo& info) override;
    // Names in UTF-8.
    std::uint32_t getTimeZoneInformation(TimeZoneInformation& info) override;
    // The dynamic zone information's key name ("W. Europe Standard Time");
    // empty when Windows has none, as for a zone set up by hand.
    std::string currentZoneKeyName() override;
    // Compares the two zones' rules year by year from 1970 to next year.
    ZoneAgreement zoneAgreement(std::string_view catalogueKey) override;
    std::string missingCatalogueNote() override;

private:
    DynamicZones zones_;
};

} // namespace hv::win32
