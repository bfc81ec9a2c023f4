#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kolvenar {

// The text shown instead of a number that left the double range.
inline constexpr std::string_view kOverflowText = "Überlauf";

// How a number is written: the decimal separator, and whether a lone fraction keeps its "0".
struct NumberStyle {
    std::string_view decimalSeparator = ".";
    bool leadingZero = false;
};

// The longest decimal separator a number is written with; a longer one is cut.
inline constexpr std::size_t kMaxSeparatorBytes = 8;

// Enough for the longest text any finite double gives, with the longest separator.
inline constexpr std::size_t kNumberTextCapacity = 48;

// Writes `x` rounded to at most 15 significant digits: positional notation when
// 0.0001 <= |x| < 10^15 after rounding, otherwise one digit, the separator, the remaining
// digits, "E", the exponent's sign and at least two exponent digits. No trailing zeros, no
// separator for whole numbers, "-" for negatives, "0" for zero (also -0). A non-finite value
// gives kOverflowText. `out` must hold kNumberTextCapacity bytes; returns the length written.
std::size_t FormatNumber(double x, const NumberStyle& style, char* out);

// The most characters the table's form (TableNumberText) writes for `x` with a one-character
// separator, found without writing it: a reader after the longest text of many numbers skips
// those that cannot be longer.
std::size_t TableNumberLengthBound(double x);

// The fixed text form used for input boxes, captions and stored settings: "." as separator,
// no leading zero (0.5 gives ".5").
std::string NumText(double x);

// The style of the result table's numbers: the given separator, cut to kMaxSeparatorBytes at
// the start of a character, and a leading zero. The style refers to the separator given.
NumberStyle TableNumberStyle(std::string_view decimalSeparator);

// The number form of the result table: the given (locale) separator and a leading zero
// (0.5 gives "0,5" with a comma).
std::string TableNumberText(double x, std::string_view decimalSeparator);

}  // namespace kolvenar
