// LeadingNumber against a second, plain reading of the same rule through the C library.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/number_rules.h"
#include "fuzz_checks.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The rule spelled out once more: drop blanks, tabs and line feeds, take sign, digits with at
// most one point and an exponent with digits, and let strtod read that.
double Reference(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s += c;
        }
    }
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        number += s[i++];
    }
    bool digits = false;
    bool point = false;
    while (i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && !point))) {
        point = point || s[i] == '.';
        digits = digits || IsDigit(s[i]);
        number += s[i++];
    }
    if (!digits) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent += s[j++];
        }
        const std::size_t firstDigit = j;
        while (j < s.size() && IsDigit(s[j])) {
            exponent += s[j++];
        }
        if (j > firstDigit) {
            number += exponent;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    // Too large for a double: the largest one of that sign.
    return std::isinf(value) ? std::copysign(DBL_MAX, value) : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = kolvenar::LeadingNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    const double expected = Reference(text);
    // Below the normal range the two readers may round a number to zero differently.
    if (std::fabs(expected) >= DBL_MIN || expected == 0) {
        FUZZ_CHECK(value == expected || (std::fabs(expected) < DBL_MIN * 2 && value == 0));
    }
    return 0;
}
