#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "random_doubles.h"

namespace kolvenar {
namespace {

struct LabelCase {
    std::string_view label;
    const char* name;
    double factor;
};

void ExpectList(std::span<const std::string_view> list, const std::vector<LabelCase>& expected) {
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i], expected[i].label) << "entry " << i;
        const ParsedUnit unit = ParseUnitLabel(list[i]);
        EXPECT_EQ(unit.UnitName, expected[i].name) << list[i];
        EXPECT_EQ(unit.UnitFactor, expected[i].factor) << list[i];
    }
}

TEST(UnitLists, MainWindowListsParseToTheirNamesAndFactors) {
    ExpectList(MainUnitLabels(Quantity::Frequency), {{"µHz Mikro e-6", "µHz", -6},
                                                     {"mHz Milli e-3", "mHz", -3},
                                                     {"Hz", "Hz", 0},
                                                     {"kHz Kilo e+3", "kHz", 3},
                                                     {"MHz Mega e+6", "MHz", 6},
                                                     {"GHz Giga e+9", "GHz", 9}});
    ExpectList(MainUnitLabels(Quantity::Wavelength), {{"pm Pico e-12", "pm", -12},
                                                      {"nm Nano e-9", "nm", -9},
                                                      {"µm Mikro e-6", "µm", -6},
                                                      {"mm Milli e-3", "mm", -3},
                                                      {"cm Centi e-2", "cm", -2},
                                                      {"m", "m", 0},
                                                      {"km Kilo e+3", "km", 3},
                                                      {"AE", "AE", 1.4959787e11},
                                                      {"Lichtjahre", "Lichtjahre", 9.460528405e15},
                                                      {"Parsec", "Parsec", 3.0856776e16}});
    ExpectList(MainUnitLabels(Quantity::Period), {{"as Atto e-18", "as", -18},
                                                  {"fs Femto e-15", "fs", -15},
                                                  {"ps Pico e-12", "ps", -12},
                                                  {"ns Nano e-9", "ns", -9},
                                                  {"µs Mikro e-6", "µs", -6},
                                                  {"ms Milli e-3", "ms", -3},
                                                  {"s", "s", 0},
                                                  {"Min.", "Min.", 60},
                                                  {"Std.", "Std.", 3600},
                                                  {"Tage", "Tage", 86400},
                                                  {"Jahre", "Jahre", 31556926}});
    ExpectList(MainUnitLabels(Quantity::Area), {{"pm² Pico e-12", "pm²", -12},
                                                {"nm² Nano e-9", "nm²", -9},
                                                {"µm² Mikro e-6", "µm²", -6},
                                                {"mm² Milli e-3", "mm²", -3},
                                                {"cm² Centi e-2", "cm²", -2},
                                                {"dm² Dezi e-1", "dm²", -1},
                                                {"m²", "m²", 0},
                                                {"km² Kilo e+3", "km²", 3},
                                                {"AE²", "AE²", 149597870000.0},
                                                {"Lichtjahre²", "Lichtjahre²", 9460528405000000.0},
                                                {"Parsec²", "Parsec²", 30856776000000000.0}});
    ExpectList(MainUnitLabels(Quantity::Volume), {{"pm³ Pico e-12", "pm³", -12},
                                                  {"nm³ Nano e-9", "nm³", -9},
                                                  {"µm³ Mikro e-6", "µm³", -6},
                                                  {"mm³ Milli e-3", "mm³", -3},
                                                  {"cm³ Milliliter e-2", "cm³", -2},
                                                  {"dm³ Liter e-1", "dm³", -1},
                                                  {"m³", "m³", 0},
                                                  {"km³ Kilo e+3", "km³", 3},
                                                  {"AE³", "AE³", 1.4959787e11},
                                                  {"Lichtjahre³", "Lichtjahre³", 9.460528405e15},
                                                  {"Parsec³", "Parsec³", 3.0856776e16}});
}

TEST(UnitLists, ConverterListsParseToTheirNamesAndFactors) {
    ExpectList(kConverterWavelengthUnits, {{"µm Mikro e-6", "µm", -6},
                                           {"mm Milli e-3", "mm", -3},
                                           {"cm Centi e-2", "cm", -2},
                                           {"m", "m", 0},
                                           {"km Kilo e+3", "km", 3}});
    ExpectList(kPrefixLabels, {{"Atto e-18", "Atto", -18},
                               {"Femto e-15", "Femto", -15},
                               {"Pico e-12", "Pico", -12},
                               {"Nano e-9", "Nano", -9},
                               {"Mikro e-6", "Mikro", -6},
                               {"Milli e-3", "Milli", -3},
                               {"Centi e-2", "Centi", -2},
                               {"Dezi e-1", "Dezi", -1},
                               {"", "?", 0},
                               {"Deka e+1", "Deka", 1},
                               {"Hekto e+2", "Hekto", 2},
                               {"Kilo e+3", "Kilo", 3},
                               {"Mega e+6", "Mega", 6},
                               {"Giga e+9", "Giga", 9},
                               {"Tera e+12", "Tera", 12}});
    EXPECT_EQ(std::vector<std::string_view>(kConverterFrequencyUnits.begin(),
                                            kConverterFrequencyUnits.end()),
              std::vector<std::string_view>(kFrequencyUnits.begin(), kFrequencyUnits.end()));
}

TEST(ParseUnitLabel, UnusualLabels) {
    EXPECT_EQ(ParseUnitLabel("").UnitName, "?");
    EXPECT_EQ(ParseUnitLabel("").UnitFactor, 0.0);
    // "e-" overrides "e+" when both occur.
    EXPECT_EQ(ParseUnitLabel("x e+3 e-2").UnitFactor, -2.0);
    // Named factors are compared case-sensitively and win over any exponent.
    EXPECT_EQ(ParseUnitLabel("min.").UnitFactor, 0.0);
    EXPECT_EQ(ParseUnitLabel("Tage e+3").UnitFactor, 86400.0);
    EXPECT_EQ(ParseUnitLabel(" m").UnitName, "");
    EXPECT_EQ(ParseUnitLabel("Lichtjahre").UnitName, "Lichtjahre");
    EXPECT_EQ(ParseUnitLabel("q e+").UnitFactor, 0.0);
    EXPECT_EQ(ParseUnitLabel("q e+1E400").UnitFactor, std::numeric_limits<double>::max());
}

TEST(ConvertUnit, Examples) {
    EXPECT_EQ(ConvertUnit(1, -9), 1e9);
    EXPECT_EQ(ConvertUnit(1e9, 9), 1.0);
    EXPECT_EQ(ConvertUnit(3600, 3600), 1.0);
    EXPECT_EQ(ConvertUnit(1, -3600), 3600.0);
    EXPECT_EQ(ConvertUnit(1.4959787e11, 1.4959787e11), 1.0);
    EXPECT_EQ(ConvertUnit(2, -1.4959787e11), 2.9919574e11);
    EXPECT_EQ(ConvertUnit(42, 0), 42.0);
    EXPECT_EQ(ConvertUnit(42, -0.0), 42.0);
    EXPECT_EQ(ConvertUnit(120, 60), 2.0);
    // A factor that is not exactly a named one counts as an exponent.
    EXPECT_EQ(ConvertUnit(1, 3600.5), 0.0);
    EXPECT_EQ(ConvertUnit(5, 3), 5 * std::pow(10.0, -3));
}

TEST(ConvertUnit, OverflowGivesAnInfinity) {
    EXPECT_TRUE(std::isinf(ConvertUnit(1e300, -12)));
    EXPECT_TRUE(std::isinf(ConvertUnit(-1e300, -12)));
    EXPECT_TRUE(std::isinf(ConvertUnit(1e300, -3.0856776e16)));
}

TEST(ConvertUnitProperty, ConvertingThereAndBackKeepsTheValue) {
    std::vector<double> factors;
    for (int q = 0; q < kQuantityCount; ++q) {
        for (std::string_view label : MainUnitLabels(static_cast<Quantity>(q))) {
            factors.push_back(ParseUnitLabel(label).UnitFactor);
        }
    }
    for (std::string_view label : kPrefixLabels) {
        factors.push_back(ParseUnitLabel(label).UnitFactor);
    }
    std::size_t checked = 0;
    for (double x : testing::RandomDoubles(20000, 3)) {
        if (std::fabs(x) < 1e-250 || std::fabs(x) > 1e250) {
            continue;  // keep clear of the range ends, where precision is lost honestly
        }
        for (double k : factors) {
            const double back = ConvertUnit(ConvertUnit(x, k), -k);
            ASSERT_LE(std::fabs(back - x), 4 * std::fabs(x) * 2.220446049250313e-16)
                << x << " through factor " << k;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100000u);
}

}  // namespace
}  // namespace kolvenar
