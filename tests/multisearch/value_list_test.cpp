// Reading a list of measured values as a user pastes or loads it.
#include "multisearch/value_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <tuple>

#include "core/random_doubles.h"

using namespace kolvenar;

namespace {

using Values = std::vector<std::tuple<double, std::string, int>>;
using Skipped = std::vector<std::pair<int, SkipReason>>;

constexpr auto kNoNumber = SkipReason::NoNumber;
constexpr auto kNotPositive = SkipReason::NotPositive;
constexpr auto kOutOfRange = SkipReason::OutOfRange;

}  // namespace

TEST(ValueList, ValuesLabelsCommentsAndSkippedLines) {
    struct Case {
        std::string text;
        Values values;
        Skipped skipped;
    };
    // clang-format off
    for (const Case& c : std::initializer_list<Case>{
             {"589.0 Na D2\n589,6;Na D1\r\n656.28\tH alpha # Balmer\n", {{589, "Na D2", 1}, {589.6, "Na D1", 2}, {656.28, "H alpha", 3}}, {}},
             {"5.89E-7\n5,89e-7 ; x\n+2,5\n,5\n7.\n", {{5.89e-7, "", 1}, {5.89e-7, "x", 2}, {2.5, "", 3}, {0.5, "", 4}, {7, "", 5}}, {}},
             {"589.0,Na D2\n12,5,Mitte\n", {{589, "Na D2", 1}, {12.5, "Mitte", 2}}, {}},
             {"\n   \n# 1\n\t# Kommentar\n3\r\r4", {{3, "", 5}, {4, "", 7}}, {}},
             {"Wellenlänge;Name\n0\n-3\n1e999\n1e-400\n1,234.5\n589nm\n5E\n. \n2", {{2, "", 10}},
              {{1, kNoNumber}, {2, kNotPositive}, {3, kNotPositive}, {4, kOutOfRange}, {5, kOutOfRange},
               {6, kNoNumber}, {7, kNoNumber}, {8, kNoNumber}, {9, kNoNumber}}},
             // Control characters, direction marks and line separators in a label become blanks.
             {"1 a\x01" "b\x7f\n2 \xe2\x80\xae" "x\xe2\x80\xa8y\n3 \xc2\x85z", {{1, "a b", 1}, {2, "x y", 2}, {3, "z", 3}}, {}},
             // Windows-1252 where the bytes are no UTF-8; a byte order mark is dropped.
             {"\xef\xbb\xbf" "1 Gr\xfc\xdf" "e \x80\n2 \xc3\xa4\x81", {{1, "Grüße €", 1}, {2, "ä", 2}}, {}},
         }) {
        // clang-format on
        const ValueList list = ReadValueList(c.text);
        Values values;
        for (const MeasuredValue& v : list.values) {
            values.emplace_back(v.value, v.label, v.line);
        }
        Skipped skipped;
        for (const SkippedLine& s : list.skipped) {
            skipped.emplace_back(s.line, s.reason);
        }
        EXPECT_EQ(values, c.values) << c.text;
        EXPECT_EQ(skipped, c.skipped) << c.text;
    }
}

TEST(ValueList, UnitNamedByAComment) {
    for (const auto& [text, quantity, unit] : {
             std::tuple{"# Einheit: nm\n1", MultiQuantity::Wavelength, "nm"},
             {"# units microns\n1", MultiQuantity::Wavelength, "µm"},
             {"1\n# Unit = eV", MultiQuantity::Energy, "eV"},
             {"# Einheit: parsecs\n# Einheit cm-1 (Vakuum)\n# Einheit: MHz",
              MultiQuantity::Wavenumber, "1/cm"},
             {"# Einheiten: um2", MultiQuantity::Area, "µm²"},
         }) {
        const ValueList list = ReadValueList(text);
        ASSERT_TRUE(list.unit) << text;
        EXPECT_EQ(list.unit->quantity, quantity) << text;
        EXPECT_EQ(QuantityUnits(quantity)[static_cast<std::size_t>(list.unit->index)].name, unit);
    }
    for (const char* text : {"# nm\n1", "# Einheit: mhz", "1 # Einheit: nm", "# Einheitnm"}) {
        EXPECT_FALSE(ReadValueList(text).unit) << text;
    }
}

TEST(ValueList, TenThousandValuesAndNotText) {
    std::string text;
    for (int i = 1; i <= 10003; ++i) {
        text += std::to_string(i) + (i == 5000 ? " x\n0\n" : "\n");
    }
    const ValueList list = ReadValueList(text);
    ASSERT_EQ(list.values.size(), 10000u);
    EXPECT_EQ(list.values.back().value, 10000);
    EXPECT_EQ(list.values.back().line, 10001);
    EXPECT_EQ(list.unusedValues, 3u);
    EXPECT_EQ(list.skipped.size(), 1u);

    std::string bytes(5000, 'a');
    EXPECT_TRUE(IsText(bytes + '\0'));
    bytes[4095] = '\0';
    EXPECT_FALSE(IsText(bytes));
}

// Any positive double written with a decimal point or comma, with or without an exponent, reads
// back whole.
TEST(ValueList, EveryNumberReadsWhole) {
    std::mt19937 engine(29);
    for (double x : kolvenar::testing::RandomDoubles(20000)) {
        x = std::fabs(x);
        char text[64];
        std::snprintf(text, sizeof text, (engine() & 1) ? "%.17e" : "%.17g", x);
        std::string comma(text);
        std::replace(comma.begin(), comma.end(), '.', ',');
        const ValueList list = ReadValueList(std::string(text) + " a\n" + comma + ";b");
        if (x == 0) {
            EXPECT_EQ(list.skipped.size(), 2u);
            continue;
        }
        ASSERT_EQ(list.values.size(), 2u) << text;
        EXPECT_EQ(list.values[0].value, x) << text;
        EXPECT_EQ(list.values[1].value, x) << comma;
    }
}
