#pragma once
// The zone catalogue Windows keeps in its registry's "Time Zones" key, and
// what Windows says of the zone the computer is set to.
#include "platform/win32/zones/dynamic_zones.h"
#include "platform/zone_catalogue.h"

namespace hv::win32 {

class Win32ZoneCatalogue : public ZoneCatalogue {
public:
    // Each zone's key name, "Display" text and the bias of its "TZI" block,
    // in the key's order, every key opened for reading only. A zone whose
    // key will not open is passed over; one whose "TZI" is missing or
    // damaged too, said on stderr.
    std::vector<CatalogueZone> zones() override;
    // The dynamic zone information's key name ("W. Europe Standard Time");
    // empty when Windows has none, as for a zone set up by hand.
    std::string ownZoneKey() override;
    std::int32_t ownStandardBias() override;
    // Compares the two zones' rules year by year from 1970 to next year.
    ZoneAgreement agreementWithOwnZone(std::string_view key) override;
    std::string missingCatalogueNote() override;

private:
    DynamicZones zones_;
};

} // namespace hv::win32
