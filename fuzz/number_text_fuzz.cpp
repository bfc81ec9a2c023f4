// The number texts for arbitrary doubles: never "inf" or "nan", and reading a text back gives
// the number rounded to 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number_rules.h"
#include "core/number_text.h"
#include "fuzz_checks.h"

namespace {

// x rounded to 15 significant digits; where that leaves the double range, the largest such
// number within it.
double RoundedTo15Digits(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    const double rounded = std::strtod(buffer, nullptr);
    return std::isinf(rounded) ? std::copysign(1.79769313486231E+308, x) : rounded;
}

constexpr const char* kSeparators[] = {".", ",", "\xD9\xAB", "'"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const char* separator = kSeparators[data[0] % 4];
    for (std::size_t offset = 1; offset + sizeof(double) <= size; offset += sizeof(double)) {
        double x;
        std::memcpy(&x, data + offset, sizeof x);
        const std::string plain = kolvenar::NumText(x);
        const std::string table = kolvenar::TableNumberText(x, separator);
        FUZZ_CHECK(!kolvenar::fuzz::LooksLikeInfOrNan(plain));
        FUZZ_CHECK(!kolvenar::fuzz::LooksLikeInfOrNan(table));
        FUZZ_CHECK(!plain.empty() && plain.size() < kolvenar::kNumberTextCapacity);
        if (std::isfinite(x)) {
            FUZZ_CHECK(kolvenar::LeadingNumber(plain) == RoundedTo15Digits(x));
        } else {
            FUZZ_CHECK(plain == kolvenar::kOverflowText && table == kolvenar::kOverflowText);
        }
    }
    return 0;
}
