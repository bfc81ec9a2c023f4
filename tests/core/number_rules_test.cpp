#include "core/number_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/number_text.h"
#include "random_doubles.h"

using namespace kolvenar;

constexpr double kMax = 1.7976931348623157e308;
using Text = std::pair<std::string, double>;

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    for (const auto& [text, number] :
         {// Sign, one point, an exponent with E or D in either case.
          Text{"2.42611E-12", 2.42611E-12}, Text{"+3", 3}, Text{"-.25", -0.25}, Text{".5", 0.5},
          Text{"5.", 5}, Text{"2.5e3", 2500}, Text{"2.5D3", 2500}, Text{"2.5d-3", 0.0025},
          Text{"1E+2", 100}, Text{"-0", 0},
          // Blanks, tabs and line feeds are skipped anywhere, a carriage return is not.
          Text{"  7", 7}, Text{"- 5 . 5", -5.5}, Text{"\t1\n2", 12}, Text{"1 E 3", 1000},
          Text{std::string(100000, ' ') + "42", 42}, Text{"3\r4", 3},
          // Reading stops at the first character that does not fit; a comma never separates.
          Text{"5,5", 5}, Text{"2,5E-12", 2}, Text{"2.5E-3xyz", 0.0025}, Text{"1.2.3", 1.2},
          Text{"5E", 5}, Text{"5E-", 5}, Text{"", 0}, Text{"   ", 0}, Text{"abc", 0}, Text{"-", 0},
          Text{"+", 0}, Text{".", 0}, Text{"E5", 0}, Text{"+-5", 0}, Text{",5", 0},
          Text{"Überlauf", 0}, Text{std::string(100000, 'x'), 0},
          // Too large for a double: the largest of its sign; too small to hold: 0.
          Text{"1E400", kMax}, Text{"-1D999", -kMax}, Text{"1E99999999999999999999", kMax},
          Text{"0.001E312", kMax}, Text{"1.7976931348623157E308", kMax},
          Text{std::string(100000, '9'), kMax}, Text{"1" + std::string(700, '0') + "E-300", kMax},
          Text{"1" + std::string(100000, '0') + "E-99600", kMax},
          Text{"1" + std::string(100000, '0') + "E-99999", 10}, Text{"1E-400", 0},
          Text{"-1E-400", 0}, Text{"1000E-330", 0}, Text{"4.9E-324", 4.9406564584124654e-324}}) {
        EXPECT_EQ(LeadingNumber(text), number) << text.substr(0, 30);
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    using Half = std::pair<double, double>;
    for (const auto& [x, rounded] :
         {Half{0.5, 0}, Half{1.5, 2}, Half{2.5, 2}, Half{2.6, 3}, Half{-2.5, -2}, Half{-3.5, -4},
          Half{2.4999999999999996, 2}, Half{-0.7, -1}, Half{HUGE_VAL, HUGE_VAL},
          Half{4503599627370497.0, 4503599627370497.0}}) {
        EXPECT_EQ(RoundHalfToEven(x), rounded) << x;
    }
    // Values whose scaled form leaves the double range stay unrounded.
    using Places = std::tuple<double, int, double>;
    for (const auto& [x, places, rounded] :
         {Places{0.03125, 4, 0.0312}, Places{0.09375, 4, 0.0938},
          Places{0.3333333333333333, 6, 0.333333}, Places{1e-30, 18, 0}, Places{0.001, 18, 0.001},
          Places{1e306, 4, 1e306}, Places{-1e306, 4, -1e306}, Places{kMax, 6, kMax}}) {
        EXPECT_EQ(RoundToPlaces(x, places), rounded) << x << " to " << places;
    }
}

TEST(NumberText, FifteenDigitsPlainOrScientific) {
    using Row = std::pair<double, const char*>;
    for (const auto& [value, text] :
         {Row{0.0, "0"}, Row{-0.0, "0"}, Row{0.5, ".5"}, Row{-0.25, "-.25"},
          Row{2.42611E-12, "2.42611E-12"}, Row{57910000000.0, "57910000000"},
          Row{1.2356919430693578e20, "1.23569194306936E+20"},
          Row{8.092631870011887e-21, "8.09263187001189E-21"},
          Row{14385347523.13697, "14385347523.137"}, Row{0.02084012621299712, ".0208401262129971"},
          Row{6.951517844053675e-11, "6.95151784405368E-11"}, Row{1.0005, "1.0005"},
          Row{123456789012345.6, "123456789012346"},
          Row{1.23456789012345678e17, "1.23456789012346E+17"},
          // Plain from 0.0001 to below 10^15 after rounding to 15 digits.
          Row{0.0001, ".0001"}, Row{-0.0001, "-.0001"}, Row{0.00001, "1E-05"},
          Row{0.000099999999999999995, ".0001"}, Row{9.99999999999999e-5, "9.99999999999999E-05"},
          Row{1e14, "100000000000000"}, Row{1e15, "1E+15"}, Row{999999999999999.5, "1E+15"},
          Row{1.5e-10, "1.5E-10"}, Row{-9.5e-100, "-9.5E-100"}, Row{1e100, "1E+100"},
          Row{-1e-300, "-1E-300"}, Row{4.9406564584124654e-324, "4.94065645841247E-324"},
          // The largest doubles would round beyond the range; they keep digits that read back.
          Row{kMax, "1.79769313486231E+308"},
          Row{-1.797693134862315e308, "-1.79769313486231E+308"}}) {
        EXPECT_EQ(NumText(value), text);
    }
    // The table: the locale's separator, cut to 8 bytes (not within a character), and a leading
    // zero.
    using Table = std::tuple<double, const char*, const char*>;
    for (const auto& [value, separator, text] :
         {Table{0.5, ",", "0,5"}, Table{-0.25, ",", "-0,25"}, Table{0, ",", "0"},
          Table{2.42611E-12, ",", "2,42611E-12"}, Table{14385347523.13697, ",", "14385347523,137"},
          Table{0.02084012621299712, ",", "0,0208401262129971"}, Table{1234.5, ".", "1234.5"},
          Table{kMax, ",", "1,79769313486231E+308"}, Table{0.5, "\u066B", "0\u066B5"},
          Table{-0.5, "123456789", "-0123456785"}, Table{0.5, "1234567\u066B", "012345675"}}) {
        EXPECT_EQ(TableNumberText(value, separator), text);
    }
    for (double x : {HUGE_VAL, -HUGE_VAL, std::nan(""), -std::nan("")}) {
        EXPECT_EQ(NumText(x), "Überlauf");
        EXPECT_EQ(TableNumberText(x, "."), "Überlauf");
    }
}

// The digits of a text: everything before the exponent without sign, separator, and zeros at
// either end ("-0.00120" and "1.2E-03" both give "12").
std::string SignificantDigits(std::string_view text) {
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("Ee"))) {
        if (c >= '0' && c <= '9' && (c != '0' || !digits.empty())) {
            digits += c;
        }
    }
    return digits.erase(digits.find_last_not_of('0') + 1);
}

TEST(NumberTextProperty, TextReadsBackAsTheValueRoundedTo15Digits) {
    std::vector<double> values = kolvenar::testing::RandomDoubles(200000);
    const std::vector<double> edges = kolvenar::testing::NumberTextEdges(200000);
    values.insert(values.end(), edges.begin(), edges.end());
    for (double x = kMax; values.size() < 400200; x = std::nextafter(x, 0.0)) {
        values.insert(values.end(), {x, -x});  // rounded up these would leave the double range
    }
    for (double x : values) {
        char buffer[64];  // the C library rounds to 15 digits independently
        std::snprintf(buffer, sizeof buffer, "%.14e", x);
        const double rounded =
            std::clamp(std::strtod(buffer, nullptr), -1.79769313486231E+308, 1.79769313486231E+308);
        const std::string text = NumText(x);
        ASSERT_EQ(LeadingNumber(text), rounded) << text << " from " << x;
        // The very digits the C library rounds to, also where several texts read back alike
        // (below the normal doubles).
        std::snprintf(buffer, sizeof buffer, "%.14e", rounded);
        ASSERT_EQ(SignificantDigits(text), SignificantDigits(buffer)) << text << " from " << x;
        // Plain exactly from 0.0001 to below 10^15 and for 0; "E", sign and two digits at
        // least; no zeros at the end of the digits after the point.
        const auto e = text.find('E');
        const double size = std::fabs(rounded);
        ASSERT_EQ(e == std::string::npos, size == 0 || (size >= 0.0001 && size < 1e15)) << text;
        ASSERT_TRUE(e == std::string::npos || text.size() - e >= 4) << text;
        ASSERT_FALSE(text.find('.') < e && text.substr(0, e).ends_with('0')) << text;
        ASSERT_LE(TableNumberText(x, ".").size(), TableNumberLengthBound(x)) << x;
        // The table's form is the same text with the locale's separator, of one byte or of
        // more, and a zero before a lone fraction.
        for (const std::string_view separator : {",", "\u066B"}) {
            std::string table = text;
            if (const auto point = table.find('.'); point != std::string::npos) {
                table.replace(point, 1, separator);
                if (point == 0 || table[point - 1] == '-') {
                    table.insert(point, "0");
                }
            }
            ASSERT_EQ(TableNumberText(x, separator), table) << text;
        }
    }
}
