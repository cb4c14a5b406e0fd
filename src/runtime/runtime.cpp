#include "runtime/runtime.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace hv {

double roundHalfEven(double value)
{
    // nearbyint follows the default rounding mode, which is ties-to-even.
    return std::nearbyint(value);
}

double roundExactProduct(double k, double L)
{
    const double p = k * L;
    const double nearest = std::nearbyint(p);
    if (std::fabs(p - std::trunc(p)) != 0.5)
        return nearest;
    // p is exactly a half: the exact product lies on the side its error says.
    const double err = std::fma(k, L, -p);
    if (err > 0)
        return std::floor(p) + 1;
    if (err < 0)
        return std::floor(p);
    return nearest;
}

namespace {

template <typename Int>
Int toInt(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<Int>::min())
        || r > static_cast<double>(std::numeric_limits<Int>::max()))
        throw RuntimeError::overflow();
    return static_cast<Int>(r);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

double parseNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits with at most one decimal point, and at least one digit.
    int digits = 0, points = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            ++digits;
        else if (c == '.')
            ++points;
        else
            throw RuntimeError::typeMismatch();
    }
    if (digits == 0 || points > 1)
        throw RuntimeError::typeMismatch();

    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Below 1 the range is left only towards nought, which a whole
        // number reads as nought.
        if (text.substr(0, text.find('.')).find_first_not_of('0') == std::string_view::npos)
            return 0;
        throw RuntimeError::overflow();
    }
    if (ec != std::errc() || end != text.data() + text.size())
        throw RuntimeError::typeMismatch();
    return negative ? -value : value;
}

} // namespace

std::int16_t toInt16(double value) { return toInt<std::int16_t>(value); }
std::int32_t toInt32(double value) { return toInt<std::int32_t>(value); }
std::int16_t toInt16(std::string_view text) { return toInt16(parseNumber(text)); }
std::int32_t toInt32(std::string_view text) { return toInt32(parseNumber(text)); }

std::int16_t checkedCheckState(std::int16_t value)
{
    if (value < 0 || value > 2)
        throw RuntimeError::invalidPropertyValue();
    return value;
}

std::string decimalText(std::int64_t value) { return std::to_string(value); }

} // namespace hv
