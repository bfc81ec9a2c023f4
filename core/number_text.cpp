#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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
    char digits[kSignificantDigits] = {};
    int digitCount = 0;
    int exponent = 0;
};

Decimal Decompose(double x) {
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

class Writer {
public:
    explicit Writer(char* out) : start_(out), out_(out) {}
    void Put(char c) { *out_++ = c; }
    void Put(std::string_view s) {
        std::memcpy(out_, s.data(), s.size());
        out_ += s.size();
    }
    void Put(const char* s, int count) {
        std::memcpy(out_, s, static_cast<std::size_t>(count));
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
        w.Put(d.digits, d.digitCount);
        return;
    }
    const int integerDigits = d.exponent + 1;
    const int fromDigits = std::min(integerDigits, d.digitCount);
    w.Put(d.digits, fromDigits);
    w.Repeat('0', integerDigits - fromDigits);
    if (d.digitCount > integerDigits) {
        w.Put(style.decimalSeparator);
        w.Put(d.digits + integerDigits, d.digitCount - integerDigits);
    }
}

void WriteScientific(const Decimal& d, const NumberStyle& style, Writer& w) {
    w.Put(d.digits[0]);
    if (d.digitCount > 1) {
        w.Put(style.decimalSeparator);
        w.Put(d.digits + 1, d.digitCount - 1);
    }
    w.Put('E');
    w.Put(d.exponent < 0 ? '-' : '+');
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) {
        w.Put('0');
    }
    char exponentText[8];
    const auto end = std::to_chars(exponentText, exponentText + sizeof exponentText, magnitude);
    w.Put(exponentText, static_cast<int>(end.ptr - exponentText));
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

}  // namespace kolvenar
