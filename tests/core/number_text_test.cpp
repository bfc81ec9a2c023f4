#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "core/number_rules.h"
#include "random_doubles.h"

namespace kolvenar {
namespace {

struct TextCase {
    double value;
    const char* numText;
    const char* tableText;  // with a comma as separator
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.numText;
}

class NumberTextExamples : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextExamples, WritesBothForms) {
    const auto& c = GetParam();
    EXPECT_EQ(NumText(c.value), c.numText);
    EXPECT_EQ(TableNumberText(c.value, ","), c.tableText);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextExamples,
    ::testing::Values(
        TextCase{0.0, "0", "0"}, TextCase{-0.0, "0", "0"}, TextCase{1.0, "1", "1"},
        TextCase{0.5, ".5", "0,5"}, TextCase{-0.25, "-.25", "-0,25"},
        TextCase{-2.5, "-2.5", "-2,5"}, TextCase{2.42611E-12, "2.42611E-12", "2,42611E-12"},
        TextCase{1.3214098555E-15, "1.3214098555E-15", "1,3214098555E-15"},
        TextCase{57910000000.0, "57910000000", "57910000000"}, TextCase{0.0025, ".0025", "0,0025"},
        // The switch between positional and scientific notation.
        TextCase{0.0001, ".0001", "0,0001"}, TextCase{0.00001, "1E-05", "1E-05"},
        TextCase{0.000099999999999999995, ".0001", "0,0001"},
        TextCase{9.99999999999999e-5, "9.99999999999999E-05", "9,99999999999999E-05"},
        TextCase{-0.0001, "-.0001", "-0,0001"},
        TextCase{1e14, "100000000000000", "100000000000000"}, TextCase{1e15, "1E+15", "1E+15"},
        TextCase{-1e15, "-1E+15", "-1E+15"},
        TextCase{999999999999999.0, "999999999999999", "999999999999999"},
        TextCase{999999999999999.5, "1E+15", "1E+15"},
        TextCase{123456789012345.6, "123456789012346", "123456789012346"},
        TextCase{1.23456789012345678e17, "1.23456789012346E+17", "1,23456789012346E+17"},
        // Examples of the result table.
        TextCase{1.2356919430693578e20, "1.23569194306936E+20", "1,23569194306936E+20"},
        TextCase{8.092631870011887e-21, "8.09263187001189E-21", "8,09263187001189E-21"},
        TextCase{14385347523.13697, "14385347523.137", "14385347523,137"},
        TextCase{0.02084012621299712, ".0208401262129971", "0,0208401262129971"},
        TextCase{6.951517844053675e-11, "6.95151784405368E-11", "6,95151784405368E-11"},
        TextCase{0.0208, ".0208", "0,0208"},
        // Three-digit exponents and the ends of the double range.
        TextCase{1e100, "1E+100", "1E+100"}, TextCase{-1e-300, "-1E-300", "-1E-300"},
        // Rounding the largest doubles up would leave the range: they keep the digits that
        // can be read back.
        TextCase{std::numeric_limits<double>::max(), "1.79769313486231E+308",
                 "1,79769313486231E+308"},
        TextCase{-1.797693134862315e308, "-1.79769313486231E+308", "-1,79769313486231E+308"},
        TextCase{1.79769313486231E+308, "1.79769313486231E+308", "1,79769313486231E+308"},
        TextCase{std::numeric_limits<double>::min(), "2.2250738585072E-308",
                 "2,2250738585072E-308"},
        TextCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324",
                 "4,94065645841247E-324"}));

TEST(NumberText, NonFiniteValuesNeverShowAsInfOrNan) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double x : {inf, -inf, nan, -nan}) {
        EXPECT_EQ(NumText(x), "Überlauf");
        EXPECT_EQ(TableNumberText(x, ","), "Überlauf");
        EXPECT_EQ(TableNumberText(x, "."), "Überlauf");
    }
}

TEST(NumberText, TableTextUsesTheGivenSeparator) {
    EXPECT_EQ(TableNumberText(0.5, "."), "0.5");
    EXPECT_EQ(TableNumberText(1234.5, "."), "1234.5");
    EXPECT_EQ(TableNumberText(2.5e-20, "."), "2.5E-20");
    EXPECT_EQ(TableNumberText(0.5, "\xD9\xAB"),
              "0\xD9\xAB"
              "5");  // Arabic separator
}

// x rounded to 15 significant digits, computed independently through the C library.
double RoundedTo15Digits(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

TEST(NumberTextProperty, ReadingTheTextBackGivesTheRoundedValue) {
    std::vector<double> values = testing::RandomDoubles(200000);
    // The top of the range, where rounding up to 15 digits would leave it.
    for (double x = std::numeric_limits<double>::max(); x > 1.7976931348622e308;
         x = std::nextafter(x, 0.0)) {
        values.push_back(x);
        values.push_back(-x);
        if (values.size() > 201000) {
            break;
        }
    }
    for (double x : values) {
        const std::string text = NumText(x);
        const double rounded = std::isinf(RoundedTo15Digits(x))
                                   ? std::copysign(1.79769313486231E+308, x)
                                   : RoundedTo15Digits(x);
        ASSERT_EQ(LeadingNumber(text), rounded) << text << " from " << x;
        ASSERT_EQ(text.find_first_of("infINF"), std::string::npos) << text;
    }
}

TEST(NumberTextProperty, TableTextDiffersOnlyInSeparatorAndLeadingZero) {
    for (double x : testing::RandomDoubles(200000, 7)) {
        const std::string numText = NumText(x);
        std::string expected;
        for (std::size_t i = 0; i < numText.size(); ++i) {
            if (numText[i] != '.') {
                expected += numText[i];
                continue;
            }
            const bool bareFraction = i == 0 || (i == 1 && numText[0] == '-');
            expected += bareFraction ? "0," : ",";
        }
        ASSERT_EQ(TableNumberText(x, ","), expected) << x;
    }
}

TEST(NumberTextProperty, ShapeOfEveryText) {
    for (double x : testing::RandomDoubles(100000, 99)) {
        const std::string text = TableNumberText(x, ",");
        ASSERT_FALSE(text.empty());
        ASSERT_NE(text.back(), ',') << text;
        const auto e = text.find('E');
        const std::string mantissa = text.substr(0, e);
        if (mantissa.find(',') != std::string::npos) {
            ASSERT_NE(mantissa.back(), '0') << text;  // no trailing zeros
        }
        int digits = 0;
        for (char c : mantissa) {
            digits += (c >= '0' && c <= '9') ? 1 : 0;
        }
        if (e != std::string::npos) {
            ASSERT_LE(digits, 15) << text;
            ASSERT_GE(text.size() - e, 4u) << text;  // "E", sign, two digits at least
            const double magnitude = std::fabs(RoundedTo15Digits(x));
            ASSERT_TRUE(magnitude < 0.0001 || magnitude >= 1e15) << text;
        }
    }
}

}  // namespace
}  // namespace kolvenar
