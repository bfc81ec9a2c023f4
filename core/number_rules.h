#pragma once

#include <string_view>

namespace kolvenar {

// Rounds to the nearest whole number; an exact half goes to the even neighbour.
// Non-finite values are returned unchanged.
double RoundHalfToEven(double x);

// Rounds to `places` decimal places: multiply by 10^places, round half to even, divide again.
// A value whose scaled form leaves the double range is returned unrounded.
double RoundToPlaces(double x, int places);

// The number at the start of a text. Blanks, tabs and line feeds are skipped anywhere in the
// text; then an optional sign, digits with at most one "." and an optional exponent ("E" or
// "D" in either case, optional sign, digits) are read. Reading stops at the first character
// that does not fit. A text without a leading number gives 0. A number too large for a double
// (such as 1E400) gives the largest finite double of its sign, one too small to hold (1E-400)
// gives 0, so the result is always finite. A comma is never a decimal separator (docs/design.md,
// "Reading numbers").
double LeadingNumber(std::string_view text);

}  // namespace kolvenar
