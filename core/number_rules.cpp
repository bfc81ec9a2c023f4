#include "core/number_rules.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kolvenar {

double RoundHalfToEven(double x) {
    if (!std::isfinite(x)) {
        return x;
    }
    const double whole = std::floor(x);
    const double fraction = x - whole;
    if (fraction > 0.5) {
        return whole + 1.0;
    }
    if (fraction < 0.5) {
        return whole;
    }
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1.0;
}

double RoundToPlaces(double x, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    if (!std::isfinite(scaled)) {
        return x;
    }
    return RoundHalfToEven(scaled) / scale;
}

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Copies the leading number of `text` into `out` in the form std::from_chars reads: skipped
// characters dropped, a "D" exponent turned into "e", a "+" sign removed.
bool CollectLeadingNumber(std::string_view text, std::string& out) {
    std::size_t i = 0;
    auto next = [&]() -> char {
        while (i < text.size() && IsSkipped(text[i])) {
            ++i;
        }
        return i < text.size() ? text[i] : '\0';
    };

    char c = next();
    if (c == '+' || c == '-') {
        if (c == '-') {
            out.push_back('-');
        }
        ++i;
        c = next();
    }
    bool anyDigit = false;
    bool seenPoint = false;
    while (IsDigit(c) || (c == '.' && !seenPoint)) {
        seenPoint = seenPoint || c == '.';
        anyDigit = anyDigit || IsDigit(c);
        out.push_back(c);
        ++i;
        c = next();
    }
    if (!anyDigit) {
        return false;
    }
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        ++i;
        std::string exponent = "e";
        c = next();
        if (c == '+' || c == '-') {
            if (c == '-') {
                exponent.push_back('-');
            }
            ++i;
            c = next();
        }
        bool exponentDigit = false;
        while (IsDigit(c)) {
            exponentDigit = true;
            exponent.push_back(c);
            ++i;
            c = next();
        }
        if (exponentDigit) {
            out += exponent;
        }
    }
    return true;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string number;
    if (!CollectLeadingNumber(text, number)) {
        return 0.0;
    }
    // The C library's reading, in the C locale whatever the user's: it rounds correctly and
    // tells a number too large for a double (an infinity) from one too small to hold (0).
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (std::isinf(value)) {
        // The largest number of that sign, so that it is clamped like any other large number.
        return std::copysign(std::numeric_limits<double>::max(), value);
    }
    return value;
}

}  // namespace kolvenar
