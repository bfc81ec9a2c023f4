#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace kolvenar {

namespace {

// The digits are put together as the bytes of whole numbers, the first at the lowest address.
static_assert(std::endian::native == std::endian::little);

constexpr int kSignificantDigits = 15;
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;
// The largest number of 15 significant digits within the double range. Values above it would
// round to a text beyond the range, which reads back as 0; they are written as this instead.
constexpr double kLargestWritable = 1.79769313486231E+308;
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
// A double without its sign bit orders as its bits do: from here on it is no finite number.
constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kLargestWritableBits = std::bit_cast<std::uint64_t>(kLargestWritable);
constexpr std::uint64_t kDigitsLow = 100000000000000;    // 10^14
constexpr std::uint64_t kDigitsHigh = 1000000000000000;  // 10^15

// A finite, non-zero size rounded to 15 significant digits: `value` from 10^14 to below 10^15
// and the power of ten of its first digit.
struct Digits {
    std::uint64_t value;
    int exponent;
};

// The digits as the C library rounds them: exact for every double, and slow.
[[gnu::noinline]] Digits DigitsExactly(double size) {
    // "d.dddddddddddddde+ddd" is at most 21 characters.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, size,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    Digits d{0, 0};
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            d.value = d.value * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    // "e", then the exponent's sign, which from_chars reads only when it is "-".
    std::from_chars(p[1] == '+' ? p + 2 : p + 1, result.ptr, d.exponent);
    return d;
}

// 10^p for every p a double's 15 digits need, as m × 2^e with the top bit of m set and m cut
// below the true value by less than two.
struct PowerOfTen {
    std::uint64_t mantissa;
    int exponent;
};
constexpr int kLowestPower = -300;
constexpr int kHighestPower = 340;
using PowerTable = std::array<PowerOfTen, kHighestPower - kLowestPower + 1>;

// A big number in 32-bit limbs, the lowest first; enough for 5^340 and for 2^896 / 5^300.
struct BigNumber {
    static constexpr int kLimbs = 28;
    std::array<std::uint32_t, kLimbs> limbs{};

    constexpr void MultiplyBy(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }
    constexpr void DivideBy(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (int i = kLimbs - 1; i >= 0; --i) {
            const std::uint64_t part = (remainder << 32) | limbs[static_cast<std::size_t>(i)];
            limbs[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(part / divisor);
            remainder = part % divisor;
        }
    }
    constexpr int BitLength() const {
        for (int i = kLimbs - 1; i >= 0; --i) {
            if (const std::uint32_t limb = limbs[static_cast<std::size_t>(i)]; limb != 0) {
                return 32 * i + std::bit_width(limb);
            }
        }
        return 0;
    }
    constexpr bool Bit(int index) const {
        return index >= 0 &&
               ((limbs[static_cast<std::size_t>(index / 32)] >> (index % 32)) & 1u) != 0;
    }
    // The top 64 bits (cut) and the power of two they stand for.
    constexpr PowerOfTen Top(int scale) const {
        const int length = BitLength();
        std::uint64_t top = 0;
        for (int bit = length - 1; bit >= length - 64; --bit) {
            top = (top << 1) | (Bit(bit) ? 1u : 0u);
        }
        return {top, length - 64 + scale};
    }
};

constexpr PowerTable MakePowerTable() {
    PowerTable table{};
    BigNumber power;  // 5^p
    power.limbs[0] = 1;
    for (int p = 0; p <= kHighestPower; ++p) {
        table[static_cast<std::size_t>(p - kLowestPower)] = power.Top(p);
        power.MultiplyBy(5);
    }
    BigNumber reciprocal;  // 2^895 / 5^p, cut at each step
    reciprocal.limbs[BigNumber::kLimbs - 1] = 1u << 31;
    for (int p = 1; p <= -kLowestPower; ++p) {
        reciprocal.DivideBy(5);
        table[static_cast<std::size_t>(-p - kLowestPower)] = reciprocal.Top(-p - 895);
    }
    return table;
}

constexpr PowerTable kPowersOfTen = MakePowerTable();

// GCC and Clang have it on every 64-bit machine; a product of two 64-bit numbers fits.
__extension__ using Unsigned128 = unsigned __int128;

// The 15 significant digits of a size (a finite, non-zero double's bits without the sign),
// found with 64-bit powers of ten. Value 0 where the error of the power could decide the
// rounding: that size is left to DigitsExactly.
[[gnu::always_inline]] inline Digits ScaledDigits(std::uint64_t size) {
    const auto biased = static_cast<int>(size >> 52);
    // The mantissa with its top bit set, |x| = mantissa × 2^binary.
    std::uint64_t mantissa = size << 11 | kSignBit;
    int binary = biased - 1075 - 11;
    if (biased == 0) [[unlikely]] {  // below the normal doubles
        const int shift = std::countl_zero(size);
        mantissa = size << shift;
        binary = -1074 - shift;
    }
    // The size lies in [2^(binary + 63), 2^(binary + 64)): its decimal exponent is this or one
    // more.
    const int estimate = ((binary + 63) * 78913) >> 18;
    const PowerOfTen& power =
        kPowersOfTen[static_cast<std::size_t>(kSignificantDigits - 1 - estimate - kLowestPower)];
    // The product has 127 or 128 bits and its whole part 47 to 51, so whole and fraction part
    // meet in the product's upper half, at least twelve bits into it.
    const auto high =
        static_cast<std::uint64_t>((static_cast<Unsigned128>(mantissa) * power.mantissa) >> 64);
    const int drop = -(binary + power.exponent) - 64;
    // Sixteen digits where the exponent is one more than estimated (the product stays below
    // 2 × 10^15): the last one is rounded away with the fraction rather than the product made
    // again with the next power. Chosen by a mask, as the rounding below: a branch would guess
    // wrong for many values.
    const std::uint64_t whole = high >> drop;
    const std::uint64_t sixteen = -static_cast<std::uint64_t>(whole >= kDigitsHigh);
    const std::uint64_t kept = whole ^ ((whole ^ (whole / 10)) & sixteen);
    const std::uint64_t unit = (1 + (9 & sixteen)) << drop;
    // What is rounded away, in the product's last bit, against a half. The true product lies
    // less than 3 above `high` (1 for the lower half left out, 2 for the power's error of less
    // than 2 × mantissa): a rest from a half less 2 to a half is left open.
    const std::uint64_t rest = high - kept * unit;
    const std::uint64_t half = unit >> 1;
    if ((kept < kDigitsLow) | (rest - (half - 2) <= 2)) [[unlikely]] {
        return {0, 0};
    }
    // Both lie below 2^63: the difference's top bit says whether the rest is beyond a half.
    return {kept + ((half - rest) >> 63), estimate + static_cast<int>(sixteen & 1)};
}

// The digits of `value` < 10^8 as eight bytes from 0 to 9, the first in the lowest byte: split
// into halves of four digits in 32-bit lanes, those into pairs in 16-bit lanes, those into
// single digits, each step with the higher part put in the lower lane. A quotient by 100 or
// 10 is a multiplication and a shift, exact for the lanes' values.
constexpr std::uint64_t DigitBytes(std::uint32_t value) {
    const std::uint32_t upper = value / 10000;
    std::uint64_t x =
        (std::uint64_t{value} << 32) - std::uint64_t{upper} * ((std::uint64_t{10000} << 32) - 1);
    std::uint64_t quotient = ((x * 5243) >> 19) & 0x0000007F0000007F;
    x = (x << 16) - quotient * ((std::uint64_t{100} << 16) - 1);
    quotient = ((x * 103) >> 10) & 0x000F000F000F000F;
    return (x << 8) - quotient * ((std::uint64_t{10} << 8) - 1);
}
static_assert(DigitBytes(12345678) == 0x0807060504030201);
static_assert(DigitBytes(99999999) == 0x0909090909090909);
static_assert(DigitBytes(1000) == 0x0000000100000000);

constexpr std::uint64_t kZeros = 0x3030303030303030;  // "00000000"

// "E", the exponent's sign and at least two digits for every exponent of a double's 15 digits
// (4.94065645841247E-324 to kLargestWritable), the length of the text in the top byte.
constexpr int kLowestExponent = -324;
constexpr int kHighestExponent = 308;
constexpr auto kExponentTexts = [] {
    std::array<std::uint64_t, kHighestExponent - kLowestExponent + 1> texts{};
    for (int exponent = kLowestExponent; exponent <= kHighestExponent; ++exponent) {
        const int magnitude = exponent < 0 ? -exponent : exponent;
        std::uint64_t text = exponent < 0 ? 0x2D45 : 0x2B45;
        int length = 2;
        for (int place : {100, 10, 1}) {
            if (place < 100 || magnitude >= 100) {
                text |= std::uint64_t(0x30 + magnitude / place % 10) << (8 * length++);
            }
        }
        text |= std::uint64_t(length) << 56;
        texts[static_cast<std::size_t>(exponent - kLowestExponent)] = text;
    }
    return texts;
}();

template <typename Word>
void Store(char* out, Word bytes) {
    std::memcpy(out, &bytes, sizeof bytes);
}

// Where the separator stands in a text without one.
constexpr std::size_t kNoSeparator = kNumberTextCapacity;
// A text's length and where its separator stands.
struct Written {
    std::size_t length;
    std::size_t separatorAt = kNoSeparator;
};

// The text of a value's digits with a one-byte separator. It is put together in words of eight
// and sixteen bytes; what they write beyond it lies within kNumberTextCapacity.
[[gnu::always_inline]] inline Written WriteDigits(Digits d, unsigned char separator,
                                                  bool leadingZero, char* out) {
    if (d.value == kDigitsHigh) {  // rounded up to the next power of ten
        d.value = kDigitsLow;
        ++d.exponent;
    }
    // The first digit, the next six (in bytes 2 to 7, "00" before them) and the last eight.
    const std::uint64_t upper = d.value / 100000000;
    const auto first = static_cast<std::uint32_t>(upper) / 1000000;
    const std::uint64_t middle = DigitBytes(static_cast<std::uint32_t>(upper) % 1000000);
    const std::uint64_t last = DigitBytes(static_cast<std::uint32_t>(d.value % 100000000));
    // The trailing zeros are the zero bytes at the top.
    const int trailingZeros =
        last != 0 ? std::countl_zero(last) / 8 : 8 + std::countl_zero(middle | 0xFFFF) / 8;
    const auto count = static_cast<std::size_t>(kSignificantDigits - trailingZeros);
    const std::uint64_t middleText = middle + kZeros;
    const std::uint64_t lastText = last + kZeros;
    if (d.exponent < kLowestPlainExponent || d.exponent > kHighestPlainExponent) {
        Store(out, ((middleText & ~std::uint64_t{0xFF00}) | std::uint64_t{separator} << 8) + first);
        Store(out + 8, lastText);
        const std::size_t length = count > 1 ? count + 1 : 1;
        const std::uint64_t exponent =
            kExponentTexts[static_cast<std::size_t>(d.exponent - kLowestExponent)];
        Store(out + length, exponent);
        return {length + (exponent >> 56), count > 1 ? 1 : kNoSeparator};
    }
    // All fifteen digits in a row.
    const Unsigned128 digits = Unsigned128{lastText} << 56 | ((middleText >> 8) + first);
    if (d.exponent < 0) {
        // "0", the separator and the zeros after it, then the digits.
        const std::uint64_t zeros = std::uint64_t{0x303030} << 16 | std::uint64_t{separator} << 8;
        const std::size_t lead = leadingZero ? 1 : 0;
        const std::size_t prefixLength = lead - static_cast<std::size_t>(d.exponent);
        Store(out, leadingZero ? zeros | '0' : zeros >> 8);
        Store(out + prefixLength, digits);
        return {prefixLength + count, lead};
    }
    // The digits before the separator.
    const auto before = static_cast<std::size_t>(d.exponent) + 1;
    if (count <= before) {
        Store(out, digits);  // a whole number: its zeros are among the digits
        return {before};
    }
    const Unsigned128 beforeMask = (Unsigned128{1} << (8 * before)) - 1;
    Store(out, (digits & beforeMask) | (Unsigned128{separator} << (8 * before)) |
                   ((digits & ~beforeMask) << 8));
    return {count + 1, before};
}

// A table rounds most values to 4 places, factors have 6: a value below 10^8 whose product with
// 10^6 is a whole number is written from that number. Its 15 digits are that number's, as the
// product is off the value × 10^6 by at most half a unit in its 53rd bit, less than half a
// unit in the value's 15th digit.
// Below 100 millionths a value is written in scientific form.
constexpr double kFixedScale = 1e6;
constexpr std::uint64_t kFixedLowest = 100;             // 10^-4 × kFixedScale
constexpr std::uint64_t kFixedLimit = 100000000000000;  // 10^8 × kFixedScale

// The text of a whole number of millionths from 100 to below 10^14, with a one-byte separator.
std::size_t WriteFixed(std::uint64_t millionths, unsigned char separator, bool leadingZero,
                       char* out) {
    const auto whole = static_cast<std::uint32_t>(millionths / 1000000);
    const auto fraction = static_cast<std::uint32_t>(millionths % 1000000);
    // The whole part without the zeros before it; a lone zero stays where it is wanted.
    const std::uint64_t wholeDigits = DigitBytes(whole);
    const int zerosBefore = std::countr_zero(wholeDigits | std::uint64_t{1} << 56) / 8;
    Store(out, (wholeDigits + kZeros) >> (8 * zerosBefore));
    const auto wholeLength =
        static_cast<std::size_t>(8 - zerosBefore - (whole == 0 && !leadingZero ? 1 : 0));
    // The fraction's six digits in the lower bytes, without the zeros after them; none for 0.
    const std::uint64_t fractionDigits = DigitBytes(fraction) >> 16;
    const auto fractionLength = static_cast<std::size_t>(8 - std::countl_zero(fractionDigits) / 8);
    Store(out + wholeLength, (fractionDigits + (kZeros >> 16)) << 8 | separator);
    return wholeLength + fractionLength + (fractionLength != 0 ? 1 : 0);
}

// The text of a finite, non-zero size where the fast way leaves it: digits the power's error
// leaves open, a separator of another length than one byte. Apart, so that the fast way needs
// no call and keeps its values in registers.
[[gnu::noinline]] std::size_t WriteSizeSlowly(std::uint64_t size, const NumberStyle& style,
                                              char* out, std::size_t sign) {
    Digits d = ScaledDigits(size);
    if (d.value == 0) {
        d = DigitsExactly(std::bit_cast<double>(size));
    }
    const std::string_view separator = style.decimalSeparator;
    const bool oneByte = separator.size() == 1;
    char* const text = out + sign;
    const Written written = WriteDigits(d, oneByte ? static_cast<unsigned char>(separator[0]) : 0,
                                        style.leadingZero, text);
    if (oneByte || written.separatorAt == kNoSeparator) {
        return sign + written.length;
    }
    // The separator takes the place of the byte held for it.
    const std::size_t at = written.separatorAt;
    std::memmove(text + at + separator.size(), text + at + 1, written.length - at - 1);
    std::memcpy(text + at, separator.data(), separator.size());
    return sign + written.length + separator.size() - 1;
}

}  // namespace

std::size_t FormatNumber(double x, const NumberStyle& style, char* out) {
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const std::uint64_t size = bits & ~kSignBit;
    if (size >= kInfinityBits) {
        std::memcpy(out, kOverflowText.data(), kOverflowText.size());
        return kOverflowText.size();
    }
    if (size == 0) {
        *out = '0';
        return 1;
    }
    const std::size_t sign = bits >> 63;
    *out = '-';
    const std::uint64_t writable = std::min(size, kLargestWritableBits);
    if (style.decimalSeparator.size() == 1) [[likely]] {
        const auto separator = static_cast<unsigned char>(style.decimalSeparator[0]);
        const double scaled =
            std::min(std::bit_cast<double>(writable) * kFixedScale, double{kFixedLimit});
        const auto millionths = static_cast<std::uint64_t>(scaled);
        if (millionths - kFixedLowest < kFixedLimit - kFixedLowest &&
            static_cast<double>(millionths) == scaled) {
            return sign + WriteFixed(millionths, separator, style.leadingZero, out + sign);
        }
        if (const Digits d = ScaledDigits(writable); d.value != 0) [[likely]] {
            return sign + WriteDigits(d, separator, style.leadingZero, out + sign).length;
        }
    }
    return WriteSizeSlowly(writable, style, out, sign);
}

std::string NumText(double x) {
    char buffer[kNumberTextCapacity];
    const std::size_t length = FormatNumber(x, NumberStyle{}, buffer);
    return std::string(buffer, length);
}

NumberStyle TableNumberStyle(std::string_view decimalSeparator) {
    std::size_t length = std::min(decimalSeparator.size(), kMaxSeparatorBytes);
    // Not in the middle of a character: continuation bytes of UTF-8 are 10xxxxxx.
    while (length < decimalSeparator.size() && length > 0 &&
           (static_cast<unsigned char>(decimalSeparator[length]) & 0xC0) == 0x80) {
        --length;
    }
    return NumberStyle{decimalSeparator.substr(0, length), true};
}

std::string TableNumberText(double x, std::string_view decimalSeparator) {
    char buffer[kNumberTextCapacity];
    const std::size_t length = FormatNumber(x, TableNumberStyle(decimalSeparator), buffer);
    return std::string(buffer, length);
}

std::size_t TableNumberLengthBound(double x) {
    const double size = std::fabs(x);
    const std::size_t sign = std::signbit(x) ? 1 : 0;
    if (size >= 1 && size < 1e15) {
        // At most 15 digits and the separator.
        return sign + 16;
    }
    if (size >= 0.0001 && size < 1) {
        // "0.000" and 15 digits.
        return sign + 20;
    }
    // One digit, the separator, 14 digits, "E", the exponent's sign and two digits; three for
    // exponents beyond 99, or where rounding may reach them.
    return sign + (size < 1e-98 || size >= 1e99 ? 21 : 20);
}

}  // namespace kolvenar
