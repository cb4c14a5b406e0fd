#pragma once
// A zone's "TZI" block as the catalogue stores it: 44 bytes, little-endian,
// no gaps - three biases in minutes, then the change-over dates to standard
// and to daylight time.
#include "platform/system_info.h"

#include <array>
#include <cstdint>

namespace hv {

struct Tzi {
    static constexpr std::size_t kSize = 44;
    using Bytes = std::array<std::uint8_t, kSize>;

    std::int32_t bias = 0;         // UTC = local standard time + bias
    std::int32_t standardBias = 0; // added to bias during standard time
    std::int32_t daylightBias = 0; // added to bias during daylight time
    SystemTime standardDate;       // change-over to standard time
    SystemTime daylightDate;       // change-over to daylight time

    bool operator==(const Tzi&) const = default;

    static Tzi fromBytes(const Bytes& bytes);
    Bytes toBytes() const;
};

} // namespace hv
