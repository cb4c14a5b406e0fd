#pragma once
// The zone catalogue as a test sets it up: by default a small catalogue on
// a computer set to UTC+01:00 ("Europe/Berlin").
#include "platform/zone_catalogue.h"

#include <map>
#include <string>
#include <vector>

namespace hv::fakes {

class FakeZoneCatalogue : public ZoneCatalogue {
public:
    std::vector<CatalogueZone> zones() override { return list; }
    std::string ownZoneKey() override { return zoneKeyName; }
    std::int32_t ownStandardBias() override { return bias; }
    ZoneAgreement agreementWithOwnZone(std::string_view key) override
    {
        agreementAsked.emplace_back(key);
        const auto found = agreements.find(std::string(key));
        return found == agreements.end() ? ZoneAgreement::None : found->second;
    }
    std::string missingCatalogueNote() override { return catalogueNote; }

    // In the catalogue's own order, which is not the order of the display
    // texts. Sorted, the list reads: UTC, Algiers, Berlin, Kolkata,
    // Kathmandu, New York.
    std::vector<CatalogueZone> list = {
        {"Europe/Berlin", "(UTC+01:00) Berlin, Germany", -60},
        {"Asia/Kolkata", "(UTC+05:30) Kolkata, India", -330},
        {"UTC", "(UTC) Coordinated Universal Time", 0},
        {"Africa/Algiers", "(UTC+01:00) Algiers, Algeria", -60},
        {"America/New_York", "(UTC-05:00) New York, United States", 300},
        {"Asia/Kathmandu", "(UTC+05:45) Kathmandu, Nepal", -345},
    };
    std::string zoneKeyName = "Europe/Berlin";
    std::int32_t bias = -60;
    std::map<std::string, ZoneAgreement> agreements; // by key; None when absent
    std::vector<std::string> agreementAsked;
    std::string catalogueNote; // none by default, as on Windows
};

} // namespace hv::fakes
