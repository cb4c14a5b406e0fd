#pragma once
// The run-time rules every part of the program shares: the errors a
// procedure can raise, the conversions of stored text to numbers, rounding,
// and the one helper that traps and reports errors statement by statement.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hv {

// A run-time error, carrying the description the error report shows.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description)
        , number_(number)
    {
    }
    int number() const { return number_; }

    static RuntimeError typeMismatch() { return {13, "Type mismatch"}; }
    static RuntimeError overflow() { return {6, "Overflow"}; }
    static RuntimeError invalidPropertyValue() { return {380, "Invalid property value"}; }
    static RuntimeError invalidPropertyArrayIndex() { return {381, "Invalid property array index"}; }
    static RuntimeError invalidPicture() { return {481, "Invalid picture"}; }
    static RuntimeError subscriptOutOfRange() { return {9, "Subscript out of range"}; }
    static RuntimeError pathFileAccessError() { return {75, "Path/File access error"}; }
    static RuntimeError permissionDenied() { return {70, "Permission denied"}; }
    static RuntimeError invalidFileFormat() { return {321, "Invalid file format"}; }

private:
    int number_;
};

// Nearest integer, halves to the even neighbour (683.5 -> 684, 682.5 -> 682).
double roundHalfEven(double value);

// k * L rounded to the nearest integer as if the product were formed exactly:
// a tie in the double product is settled by the sign of its rounding error,
// so 0.85 * 550 (just below 467.5) gives 467 and 0.55 * 30 gives 17.
double roundExactProduct(double k, double L);

// Whole numbers from doubles, raising Overflow when out of range.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Stored text to integers: blanks trimmed, an optional sign, digits with an
// optional fraction (rounded half to even). Raises "Type mismatch" for text
// that is no number and "Overflow" for a number out of range.
std::int16_t toInt16(std::string_view text);
std::int32_t toInt32(std::string_view text);

// A check box's state as a window accepts it: 0 cleared, 1 ticked,
// 2 greyed; anything else raises "Invalid property value".
std::int16_t checkedCheckState(std::int16_t value);

// Plain decimal text of a number, as the program stores it ("0", "16777215").
std::string decimalText(std::int64_t value);

} // namespace hv
