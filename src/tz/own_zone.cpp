#include "tz/own_zone.h"

namespace hv {

int PositionOfKey(const TimeZoneCatalogue& catalogue, const ListOrder& order, const std::string& key)
{
    for (std::size_t p = 0; p < order.size() && !key.empty(); ++p)
        if (catalogue.keyName(order[p]) == key)
            return static_cast<int>(p);
    return -1;
}

int PositionByName(const TimeZoneCatalogue& catalogue, const ListOrder& order, ZoneCatalogue& system)
{
    return PositionOfKey(catalogue, order, system.ownZoneKey());
}

int PositionByAgreement(const TimeZoneCatalogue& catalogue, const ListOrder& order, ZoneCatalogue& system)
{
    int found = -1;
    ZoneAgreement best = ZoneAgreement::None;
    // Nothing beats agreement since 1970: the first such entry ends the search.
    for (std::size_t p = 0; p < order.size() && best != ZoneAgreement::Since1970; ++p) {
        const ZoneAgreement agreement = system.agreementWithOwnZone(catalogue.keyName(order[p]));
        if (agreement > best) {
            best = agreement;
            found = static_cast<int>(p);
        }
    }
    return found;
}

int PositionByBias(const TimeZoneCatalogue& catalogue, const ListOrder& order, std::int32_t bias)
{
    for (std::size_t p = 0; p < order.size(); ++p)
        if (catalogue.entry(order[p]).bias == bias)
            return static_cast<int>(p);
    return -1;
}

int OwnZonePosition(
    const TimeZoneCatalogue& catalogue, const ListOrder& order, ZoneCatalogue& system, std::int32_t bias)
{
    int position = PositionByName(catalogue, order, system);
    if (position == -1)
        position = PositionByAgreement(catalogue, order, system);
    if (position == -1)
        position = PositionByBias(catalogue, order, bias);
    return position == -1 ? 0 : position;
}

} // namespace hv
