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

constexpr int kSignificantDigits = 15;
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;
// The largest number of 15 significant digits within the double range. Values above it would
// round to a text beyond the range, which reads back as 0; they are written as this instead.
constexpr double kLargestWritable = 1.79769313486231E+308;

// The decimal digits and exponent of a finite, non-zero value rounded to 15 significant
// digits, trailing zeros removed.
struct Decimal {
    bool negative = false;
    // Room beyond the digits, so that sixteen bytes can be copied from any of them.
    char digits[kSignificantDigits + 16] = {};
    int digitCount = 0;
    int exponent = 0;
};

// The digits as the C library rounds them: exact for every double, and slow.
Decimal DecomposeExactly(double x) {
    // "-d.dddddddddddddde-ddd" is at most 22 characters.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const char* p = buffer;
    Decimal d;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    d.digits[d.digitCount++] = *p++;
    if (*p == '.') {
        ++p;
        while (*p != 'e') {
            d.digits[d.digitCount++] = *p++;
        }
    }
    ++p;  // 'e'
    std::from_chars(*p == '+' ? p + 1 : p, result.ptr, d.exponent);
    while (d.digitCount > 1 && d.digits[d.digitCount - 1] == '0') {
        --d.digitCount;
    }
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

constexpr std::uint64_t kDigitsLow = 100000000000000;    // 10^14
constexpr std::uint64_t kDigitsHigh = 1000000000000000;  // 10^15

// The 15 significant digits of |x| as a whole number from 10^14 to 10^15 (10^15 when they
// round up to the next power of ten, with `exponent` still the one before), found with 64-bit
// powers of ten. False where the error of the power could decide the rounding: that value is
// left to DecomposeExactly.
bool ScaledDigits(double x, std::uint64_t& digits, int& exponent) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x) & ~(std::uint64_t{1} << 63);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int binary = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        binary = biased - 1075;
    }
    const int shift = std::countl_zero(mantissa);
    mantissa <<= shift;
    binary -= shift;
    // |x| lies in [2^(binary + 63), 2^(binary + 64)): its decimal exponent is this or one more.
    exponent = ((binary + 63) * 78913) >> 18;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const PowerOfTen& power = kPowersOfTen[static_cast<std::size_t>(kSignificantDigits - 1 -
                                                                        exponent - kLowestPower)];
        // The product has 127 or 128 bits and the digits 47 to 54, so whole and fraction
        // part meet in the product's upper half, at least eight bits into it.
        const auto high =
            static_cast<std::uint64_t>((static_cast<Unsigned128>(mantissa) * power.mantissa) >> 64);
        const int drop = -(binary + power.exponent) - 64;
        const std::uint64_t whole = high >> drop;
        if (whole >= kDigitsHigh) {
            ++exponent;
            continue;
        }
        // The fraction's upper bits, against a half. The true product lies less than 3 above
        // them in their last bit (1 for the lower half left out, 2 for the power's error of
        // less than 2 × mantissa): a fraction within that below a half is left open.
        const std::uint64_t fraction = high & ((std::uint64_t{1} << drop) - 1);
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        if (whole < kDigitsLow || (fraction + 2 >= half && fraction <= half)) {
            return false;
        }
        digits = fraction > half ? whole + 1 : whole;
        return true;
    }
    return false;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The digits of `value` < 10^(2 × pairs), leading zeros included: value / 10^(2 × pairs - 2)
// as a fixed-point number with 48 bits after the point, rounded up, so that each further pair
// is one multiplication by 100 away.
template <int pairs>
void PutPairs(std::uint32_t value, char* out) {
    constexpr std::uint64_t kFraction = (std::uint64_t{1} << 48) - 1;
    // ceil(2^48 / 10^(2 × pairs - 2)) for one to four pairs.
    constexpr std::uint64_t kScale[] = {std::uint64_t{1} << 48, 2814749767107, 28147497672,
                                        281474977};
    std::uint64_t scaled = value * kScale[pairs - 1];
    // A constant count: the loop is unrolled.
    for (int pair = 0; pair < pairs; ++pair) {
        const auto twoDigits = static_cast<std::size_t>(scaled >> 48) * 2;
        out[2 * pair] = kDigitPairs[twoDigits];
        out[2 * pair + 1] = kDigitPairs[twoDigits + 1];
        scaled = (scaled & kFraction) * 100;
    }
}

Decimal Decompose(double x) {
    std::uint64_t digits = 0;
    int exponent = 0;
    if (!ScaledDigits(x, digits, exponent)) {
        return DecomposeExactly(x);
    }
    Decimal d;
    d.negative = std::signbit(x);
    if (digits == kDigitsHigh) {
        d.digits[0] = '1';
        d.digitCount = 1;
        d.exponent = exponent + 1;
        return d;
    }
    // Two digits at a time, in 32-bit numbers: the first seven digits and the last eight.
    const auto high = static_cast<std::uint32_t>(digits / 100000000);
    const auto low = static_cast<std::uint32_t>(digits % 100000000);
    d.digits[0] = static_cast<char>('0' + high / 1000000);
    PutPairs<3>(high % 1000000, d.digits + 1);
    PutPairs<4>(low, d.digits + 7);
    d.digitCount = kSignificantDigits;
    while (d.digits[d.digitCount - 1] == '0') {
        --d.digitCount;
    }
    d.exponent = exponent;
    return d;
}

class Writer {
public:
    explicit Writer(char* out) : start_(out), out_(out) {}
    void Put(char c) { *out_++ = c; }
    void Put(std::string_view s) {
        if (s.size() == 1) {
            *out_++ = s[0];
            return;
        }
        std::memcpy(out_, s.data(), s.size());
        out_ += s.size();
    }
    // Digits of a Decimal, always sixteen bytes copied: what is copied beyond them is
    // overwritten or lies past the end of the text, within kNumberTextCapacity.
    void PutDigits(const char* s, int count) {
        std::memcpy(out_, s, 16);
        out_ += count;
    }
    void Repeat(char c, int count) {
        for (int i = 0; i < count; ++i) {
            *out_++ = c;
        }
    }
    std::size_t Length() const { return static_cast<std::size_t>(out_ - start_); }

private:
    char* start_;
    char* out_;
};

void WritePlain(const Decimal& d, const NumberStyle& style, Writer& w) {
    if (d.exponent < 0) {
        if (style.leadingZero) {
            w.Put('0');
        }
        w.Put(style.decimalSeparator);
        w.Repeat('0', -d.exponent - 1);
        w.PutDigits(d.digits, d.digitCount);
        return;
    }
    const int integerDigits = d.exponent + 1;
    const int fromDigits = std::min(integerDigits, d.digitCount);
    w.PutDigits(d.digits, fromDigits);
    w.Repeat('0', integerDigits - fromDigits);
    if (d.digitCount > integerDigits) {
        w.Put(style.decimalSeparator);
        w.PutDigits(d.digits + integerDigits, d.digitCount - integerDigits);
    }
}

void WriteScientific(const Decimal& d, const NumberStyle& style, Writer& w) {
    w.Put(d.digits[0]);
    if (d.digitCount > 1) {
        w.Put(style.decimalSeparator);
        w.PutDigits(d.digits + 1, d.digitCount - 1);
    }
    w.Put('E');
    w.Put(d.exponent < 0 ? '-' : '+');
    // Two digits at least; a double's exponent has three at most.
    const auto magnitude = static_cast<std::uint32_t>(d.exponent < 0 ? -d.exponent : d.exponent);
    if (magnitude >= 100) {
        w.Put(static_cast<char>('0' + magnitude / 100));
    }
    char pair[2];
    PutPairs<1>(magnitude % 100, pair);
    w.Put(pair[0]);
    w.Put(pair[1]);
}

}  // namespace

std::size_t FormatNumber(double x, const NumberStyle& style, char* out) {
    Writer w(out);
    if (!std::isfinite(x)) {
        w.Put(kOverflowText);
        return w.Length();
    }
    if (x == 0.0) {
        w.Put('0');
        return w.Length();
    }
    const Decimal d = Decompose(std::clamp(x, -kLargestWritable, kLargestWritable));
    if (d.negative) {
        w.Put('-');
    }
    if (d.exponent >= kLowestPlainExponent && d.exponent <= kHighestPlainExponent) {
        WritePlain(d, style, w);
    } else {
        WriteScientific(d, style, w);
    }
    return w.Length();
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
