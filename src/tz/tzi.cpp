#include "tz/tzi.h"

namespace hv {

namespace {

template <typename T>
T readLe(const Tzi::Bytes& b, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        v |= std::uint32_t{b[at + i]} << (8 * i);
    return static_cast<T>(v);
}

template <typename T>
void writeLe(Tzi::Bytes& b, std::size_t at, T value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

SystemTime readTime(const Tzi::Bytes& b, std::size_t at)
{
    auto field = [&](int i) { return readLe<std::uint16_t>(b, at + 2 * i); };
    return {field(0), field(1), field(2), field(3), field(4), field(5), field(6), field(7)};
}

void writeTime(Tzi::Bytes& b, std::size_t at, const SystemTime& t)
{
    const std::uint16_t fields[] = {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds};
    for (int i = 0; i < 8; ++i)
        writeLe(b, at + 2 * i, fields[i]);
}

} // namespace

Tzi Tzi::fromBytes(const Bytes& bytes)
{
    Tzi t;
    t.bias = readLe<std::int32_t>(bytes, 0);
    t.standardBias = readLe<std::int32_t>(bytes, 4);
    t.daylightBias = readLe<std::int32_t>(bytes, 8);
    t.standardDate = readTime(bytes, 12);
    t.daylightDate = readTime(bytes, 28);
    return t;
}

Tzi::Bytes Tzi::toBytes() const
{
    Bytes b{};
    writeLe(b, 0, bias);
    writeLe(b, 4, standardBias);
    writeLe(b, 8, daylightBias);
    writeTime(b, 12, standardDate);
    writeTime(b, 28, daylightDate);
    return b;
}

} // namespace hv
