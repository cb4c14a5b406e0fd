#pragma once
// The time zones the computer knows, as the clock needs them: each zone's
// key, the text the list shows and its standard bias; the zone the
// computer is set to; and how closely a zone keeps the computer's time.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hv {

struct CatalogueZone {
    std::string key; // "Europe/Berlin", "W. Europe Standard Time"
    std::string display; // as the catalogue writes it: "(UTC+01:00) Berlin, Germany"
    std::int32_t bias = 0; // minutes; UTC = local standard time + bias
};

// How closely a zone keeps the time of the zone the computer is set to:
// the same UTC offset at every instant since 1970 (the tz database's own
// test of sameness), or only over this year and next.
enum class ZoneAgreement { None, ThisYearAndNext, Since1970 };

class ZoneCatalogue {
public:
    virtual ~ZoneCatalogue() = default;
    // The zones in the catalogue's own order, read afresh; a zone whose
    // rules cannot be read is left out. Empty when there is no catalogue.
    virtual std::vector<CatalogueZone> zones() = 0;
    // The catalogue key of the zone the computer is set to; empty when it
    // is not known.
    virtual std::string ownZoneKey() = 0;
    // That zone's standard bias in minutes, also while daylight time is in
    // force.
    virtual std::int32_t ownStandardBias() = 0;
    // Asked only when the computer's zone has no entry of its own (a POSIX
    // zone such as EST5EDT).
    virtual ZoneAgreement agreementWithOwnZone(std::string_view key) = 0;
    // One plain sentence that leads the message that the catalogue is
    // missing: where it was looked for and what provides it. Empty where
    // the message says all there is to say.
    virtual std::string missingCatalogueNote() = 0;
};

} // namespace hv
