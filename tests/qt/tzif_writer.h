#pragma once
// TZif files written by the tests, sound or damaged on purpose: one data
// block as its header counts it, and whole files of one or two blocks.
#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace hv::tzsupport {

struct TzifBlock {
    struct Type {
        std::int32_t offset = 0;
        std::uint8_t isDst = 0;
        std::uint8_t abbreviation = 0; // index into the abbreviations
    };
    std::vector<std::int64_t> times{0};
    std::vector<std::uint8_t> typeIndices{0};
    std::vector<Type> types{{-18000, 0, 0}};
    QByteArray abbreviations{"EST", 4}; // with its NUL
    std::optional<quint32> timeCount; // the header's count, where it lies
};

inline void appendBigEndian(QByteArray& out, quint64 value, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.append(static_cast<char>(value >> shift & 0xFF));
}

// Header and data of one block; times take timeSize bytes (4 or 8).
inline QByteArray tzifBlock(const TzifBlock& block, char version, int timeSize)
{
    QByteArray out("TZif");
    out.append(version);
    out.append(QByteArray(15, '\0'));
    for (const quint64 count :
        {quint64(0), quint64(0), quint64(0), quint64(block.timeCount.value_or(quint32(block.times.size()))),
            quint64(block.types.size()), quint64(block.abbreviations.size())})
        appendBigEndian(out, count, 4);
    for (const std::int64_t t : block.times)
        appendBigEndian(out, static_cast<quint64>(t), timeSize);
    for (const std::uint8_t index : block.typeIndices)
        out.append(static_cast<char>(index));
    for (const TzifBlock::Type& type : block.types) {
        appendBigEndian(out, static_cast<quint32>(type.offset), 4);
        out.append(static_cast<char>(type.isDst));
        out.append(static_cast<char>(type.abbreviation));
    }
    out.append(block.abbreviations);
    return out;
}

// A version 2 file: the first block, the second, the footer.
inline QByteArray tzifFile(
    const TzifBlock& first = {}, const TzifBlock& second = {}, const QByteArray& footer = "\nEST5\n")
{
    return tzifBlock(first, '2', 4) + tzifBlock(second, '2', 8) + footer;
}

} // namespace hv::tzsupport
