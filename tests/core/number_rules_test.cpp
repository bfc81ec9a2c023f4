#include "core/number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace kolvenar {
namespace {

struct LeadingNumberCase {
    const char* text;
    double expected;
};

void PrintTo(const LeadingNumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LeadingNumberExamples : public ::testing::TestWithParam<LeadingNumberCase> {};

TEST_P(LeadingNumberExamples, ReadsTheNumberAtTheStart) {
    const auto& c = GetParam();
    EXPECT_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberExamples,
    ::testing::Values(
        // Plain numbers, signs and exponents in every spelling.
        LeadingNumberCase{"2.42611E-12", 2.42611E-12}, LeadingNumberCase{"+3", 3.0},
        LeadingNumberCase{"-12", -12.0}, LeadingNumberCase{".5", 0.5},
        LeadingNumberCase{"-.25", -0.25}, LeadingNumberCase{"5.", 5.0},
        LeadingNumberCase{"2.5e3", 2500.0}, LeadingNumberCase{"2.5D3", 2500.0},
        LeadingNumberCase{"2.5d-3", 0.0025}, LeadingNumberCase{"1E+2", 100.0},
        // Blanks, tabs and line feeds are skipped anywhere.
        LeadingNumberCase{"  7", 7.0}, LeadingNumberCase{"1 2 3", 123.0},
        LeadingNumberCase{"- 5 . 5", -5.5}, LeadingNumberCase{"\t1\n2", 12.0},
        LeadingNumberCase{"1 E 3", 1000.0},
        // Reading stops at the first character that does not fit.
        LeadingNumberCase{"5,5", 5.0}, LeadingNumberCase{"7,5", 7.0},
        LeadingNumberCase{"2,5E-12", 2.0}, LeadingNumberCase{"2.5E-3xyz", 0.0025},
        LeadingNumberCase{"1.2.3", 1.2}, LeadingNumberCase{"5E", 5.0},
        LeadingNumberCase{"5E-", 5.0}, LeadingNumberCase{"12abc", 12.0},
        LeadingNumberCase{"3\r4", 3.0},
        // Texts without a leading number.
        LeadingNumberCase{"", 0.0}, LeadingNumberCase{"   ", 0.0}, LeadingNumberCase{"abc", 0.0},
        LeadingNumberCase{"-", 0.0}, LeadingNumberCase{"+", 0.0}, LeadingNumberCase{".", 0.0},
        LeadingNumberCase{"E5", 0.0}, LeadingNumberCase{"+-5", 0.0}, LeadingNumberCase{",5", 0.0},
        LeadingNumberCase{"Überlauf", 0.0}, LeadingNumberCase{"\xD0\x96", 0.0},
        // Beyond the double range: the largest double of that sign, never an infinity; too
        // small to hold: 0.
        LeadingNumberCase{"1E400", 1.7976931348623157e308},
        LeadingNumberCase{"-1D999", -1.7976931348623157e308},
        LeadingNumberCase{"1E99999999999999999999", 1.7976931348623157e308},
        LeadingNumberCase{"0.001E312", 1.7976931348623157e308}, LeadingNumberCase{"1E-400", 0.0},
        LeadingNumberCase{"-1E-400", 0.0}, LeadingNumberCase{"1000E-330", 0.0},
        LeadingNumberCase{"0.00001E-320", 0.0},
        LeadingNumberCase{"4.9E-324", 4.9406564584124654e-324},
        LeadingNumberCase{"1.7976931348623157E308", 1.7976931348623157e308}));

TEST(LeadingNumber, NegativeZeroStaysZero) {
    const double value = LeadingNumber("-0");
    EXPECT_EQ(value, 0.0);
}

TEST(LeadingNumber, HugeTextsAreReadWithoutTrouble) {
    EXPECT_EQ(LeadingNumber(std::string(100000, '9')), std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("1" + std::string(100000, '0') + "E-99999"), 10.0);
    EXPECT_EQ(LeadingNumber(std::string(100000, ' ') + "42"), 42.0);
    EXPECT_EQ(LeadingNumber(std::string(100000, 'x')), 0.0);
}

TEST(RoundHalfToEven, ExactHalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfToEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfToEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfToEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfToEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfToEven(-3.5), -4.0);
    EXPECT_EQ(RoundHalfToEven(2.4999999999999996), 2.0);
    EXPECT_EQ(RoundHalfToEven(-0.7), -1.0);
    EXPECT_EQ(RoundHalfToEven(4503599627370497.0), 4503599627370497.0);
    EXPECT_TRUE(std::isinf(RoundHalfToEven(std::numeric_limits<double>::infinity())));
}

TEST(RoundToPlaces, RoundsToTheGivenNumberOfDecimals) {
    EXPECT_EQ(RoundToPlaces(0.03125, 4), 0.0312);
    EXPECT_EQ(RoundToPlaces(0.09375, 4), 0.0938);
    EXPECT_EQ(RoundToPlaces(0.25, 1), 0.2);
    EXPECT_EQ(RoundToPlaces(0.678, 2), 0.68);
    EXPECT_EQ(RoundToPlaces(1.0 / 3.0, 6), 0.333333);
    EXPECT_EQ(RoundToPlaces(1e-30, 18), 0.0);
    EXPECT_EQ(RoundToPlaces(0.001, 18), 0.001);
}

TEST(RoundToPlaces, ValuesTooLargeToScaleStayUnrounded) {
    const double huge = 1e306;
    EXPECT_EQ(RoundToPlaces(huge, 4), huge);
    EXPECT_EQ(RoundToPlaces(-huge, 4), -huge);
    EXPECT_EQ(RoundToPlaces(std::numeric_limits<double>::max(), 6),
              std::numeric_limits<double>::max());
}

}  // namespace
}  // namespace kolvenar
