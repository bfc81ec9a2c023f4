#include "core/number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// Decimal exponent of the leading digit of a collected number text (1 for "5", 3 for "500",
// -2 for ".005", 401 for "1e400"); only its sign matters, so the exponent saturates.
long long DecimalMagnitude(std::string_view number) {
    constexpr long long kSaturation = 1'000'000'000'000LL;
    long long wholeDigits = 0;
    long long fractionZeros = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t i = number.starts_with('-') ? 1 : 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        const char c = number[i];
        if (c == '.') {
            afterPoint = true;
        } else if (!significant && c == '0') {
            fractionZeros += afterPoint ? 1 : 0;
        } else {
            significant = true;
            wholeDigits += afterPoint ? 0 : 1;
            if (afterPoint) {
                break;
            }
        }
    }
    long long exponent = 0;
    if (const std::size_t e = number.find('e'); e != std::string_view::npos) {
        const bool negative = e + 1 < number.size() && number[e + 1] == '-';
        for (std::size_t k = e + (negative ? 2 : 1); k < number.size(); ++k) {
            exponent = std::min(kSaturation, exponent * 10 + (number[k] - '0'));
        }
        exponent = negative ? -exponent : exponent;
    }
    return (wholeDigits > 0 ? wholeDigits : -fractionZeros) + exponent;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string number;
    if (!CollectLeadingNumber(text, number)) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // A number too large for a double reads as the largest one of its sign, so that it
        // is clamped like any other large number; one too small to hold reads as 0.
        if (DecimalMagnitude(number) <= 0) {
            return 0.0;
        }
        const double largest = std::numeric_limits<double>::max();
        return number.starts_with('-') ? -largest : largest;
    }
    return error == std::errc() && std::isfinite(value) ? value : 0.0;
}

}  // namespace kolvenar
