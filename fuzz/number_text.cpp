// Stored text read as a whole number. Whatever the bytes, the reading ends
// in a number or in the run-time error for text that is no number or for a
// number out of range; the two widths agree, and a number reads back from
// the text the program would store it as.
#include "check.h"
#include "runtime/runtime.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

using hv::fuzz::check;

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

struct Outcome {
    std::int64_t value = 0;
    int error = 0; // the run-time error's number; 0 when a number came out
    bool operator==(const Outcome&) const = default;
};

template <typename Convert>
Outcome outcomeOf(Convert convert, std::string_view text)
{
    try {
        return {convert(text), 0};
    } catch (const hv::RuntimeError& e) {
        return {0, e.number()};
    }
}

Outcome wideOf(std::string_view text)
{
    return outcomeOf([](std::string_view t) { return hv::toInt32(t); }, text);
}

Outcome narrowOf(std::string_view text)
{
    return outcomeOf([](std::string_view t) { return hv::toInt16(t); }, text);
}

bool fits16(std::int64_t value)
{
    return value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max();
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits of a number's whole part, leading zeros left out: nine or fewer
// is below 10^9 whatever the fraction, eleven or more at least 10^10.
std::size_t wholeDigits(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (isBlank(text[i]) || text[i] == '+' || text[i] == '-' || text[i] == '0'))
        ++i;
    std::size_t digits = 0;
    while (i + digits < text.size() && isDigit(text[i + digits]))
        ++digits;
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Outcome wide = wideOf(text);
    const Outcome narrow = narrowOf(text);
    check(wide.error == 0 || wide.error == kTypeMismatch || wide.error == kOverflow, "only Type mismatch or Overflow");

    if (wide.error == kTypeMismatch || (wide.error == 0 && fits16(wide.value)))
        check(narrow == wide, "16 and 32 bits read the same text alike");
    else
        check(narrow.error == kOverflow, "a number beyond 16 bits overflows 16 bits");

    if (wide.error != kTypeMismatch) {
        const std::size_t digits = wholeDigits(text);
        check(digits > 9 || wide.error != kOverflow, "a number below 10^9 fits 32 bits");
        check(digits < 11 || wide.error == kOverflow, "a number of 10^10 or more overflows 32 bits");
    }

    if (wide.error == 0) {
        check(wideOf(hv::decimalText(wide.value)) == wide, "a number reads back from its decimal text");
        check(narrow.error != 0 || narrowOf(hv::decimalText(narrow.value)) == narrow,
            "a 16-bit number reads back from its decimal text");
    }

    check(wideOf(" \t" + std::string(text) + "\t ") == wide, "blanks around a number do not count");
    if (!text.empty() && (isDigit(text.front()) || text.front() == '.') && wide.error == 0)
        check(wideOf("-" + std::string(text)) == Outcome{-wide.value, 0}, "a minus sign negates");
    return 0;
}
