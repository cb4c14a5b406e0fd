#pragma once
// Where the zone the computer is set to stands in a list of the catalogue's
// zones: by its key name; failing that (a POSIX zone such as EST5EDT), the
// entry that keeps its time best; failing that, the first entry with its
// standard bias. Each step takes the first match in list order.
#include "platform/zone_catalogue.h"
#include "tz/time_zone_catalogue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hv {

// The catalogue index of each list position.
using ListOrder = std::vector<std::int32_t>;

// Each gives -1 when no position fits.
int PositionOfKey(const TimeZoneCatalogue& catalogue, const ListOrder& order, const std::string& key);
int PositionByName(const TimeZoneCatalogue& catalogue, const ListOrder& order, ZoneCatalogue& system);
int PositionByAgreement(const TimeZoneCatalogue& catalogue, const ListOrder& order, ZoneCatalogue& system);
int PositionByBias(const TimeZoneCatalogue& catalogue, const ListOrder& order, std::int32_t bias);

// The three in turn, else position 0: where the list starts when no
// choice is stored.
int OwnZonePosition(
    const TimeZoneCatalogue& catalogue, const ListOrder& order, ZoneCatalogue& system, std::int32_t bias);

} // namespace hv
