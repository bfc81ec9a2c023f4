#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "random_doubles.h"

using namespace kolvenar;

// The windows take a unit's name and factor by the entry's index: each entry holds what its
// label says; an index of no entry (nothing chosen) is the empty label's "?" and base unit.
TEST(UnitLists, EntriesAreWhatTheirLabelsSay) {
    using List = std::tuple<std::span<const UnitEntry>, std::size_t, int, const char*>;
    for (const auto& [list, size, index, label] :
         {List{MainUnits(Quantity::Frequency), 6, kDefaultMainUnitIndex[0], "MHz Mega e+6"},
          List{MainUnits(Quantity::Wavelength), 10, kDefaultMainUnitIndex[1], "m"},
          List{MainUnits(Quantity::Period), 11, kDefaultMainUnitIndex[2], "ns Nano e-9"},
          List{MainUnits(Quantity::Area), 11, kDefaultMainUnitIndex[3], "m²"},
          List{MainUnits(Quantity::Volume), 11, kDefaultMainUnitIndex[4], "m³"},
          List{kConverterFrequencyUnits, 6, 0, "µHz Mikro e-6"},
          List{kConverterWavelengthUnits, 5, 4, "km Kilo e+3"}, List{kPrefixes, 15, 8, ""}}) {
        EXPECT_EQ(list.size(), size);
        EXPECT_EQ(list[index].label, label);
        for (const UnitEntry& entry : list) {
            EXPECT_EQ(ParseUnitLabel(entry.label).UnitName, entry.name) << entry.label;
            EXPECT_EQ(ParseUnitLabel(entry.label).UnitFactor, entry.factor) << entry.label;
        }
        EXPECT_EQ(UnitAt(list, -1).name, "?");
        EXPECT_EQ(UnitAt(list, static_cast<int>(size)).factor, 0);
    }
}

TEST(ParseUnitLabel, NameUpToTheFirstBlankAndFactor) {
    using Unit = std::tuple<std::string_view, const char*, double>;
    for (const auto& [label, name, factor] :
         {Unit{"µHz Mikro e-6", "µHz", -6}, Unit{"Hz", "Hz", 0}, Unit{"GHz Giga e+9", "GHz", 9},
          Unit{"cm³ Milliliter e-2", "cm³", -2}, Unit{"Tera e+12", "Tera", 12},
          Unit{"Min.", "Min.", 60}, Unit{"Std.", "Std.", 3600}, Unit{"Tage", "Tage", 86400},
          Unit{"Jahre", "Jahre", 31556926}, Unit{"AE", "AE", 1.4959787e11},
          Unit{"Lichtjahre²", "Lichtjahre²", 9.460528405e15},
          Unit{"Parsec³", "Parsec³", 3.0856776e16},
          // "e-" wins over "e+"; named factors are case-sensitive and win over an exponent.
          Unit{"", "?", 0}, Unit{" m", "", 0}, Unit{"x e+3 e-2", "x", -2}, Unit{"min.", "min.", 0},
          Unit{"Tage e+3", "Tage", 86400}, Unit{"q e+", "q", 0},
          Unit{"q e+1E400", "q", 1.7976931348623157e308}}) {
        EXPECT_EQ(ParseUnitLabel(label).UnitName, name) << label;
        EXPECT_EQ(ParseUnitLabel(label).UnitFactor, factor) << label;
    }
}

TEST(ConvertUnit, FromTheBaseUnitAndBack) {
    // A factor that is not exactly a named one counts as a power of ten.
    using Conversion = std::tuple<double, double, double>;  // value, factor, result
    for (const auto& [x, k, converted] :
         {Conversion{1, -9, 1e9}, Conversion{1e9, 9, 1}, Conversion{5, 3, 0.005},
          Conversion{3600, 3600, 1}, Conversion{1, -3600, 3600}, Conversion{120, 60, 2},
          Conversion{1.4959787e11, 1.4959787e11, 1}, Conversion{2, -1.4959787e11, 2.9919574e11},
          Conversion{42, 0, 42}, Conversion{42, -0.0, 42}, Conversion{1, 3600.5, 0},
          Conversion{1e300, -12, HUGE_VAL}, Conversion{-1e300, -12, -HUGE_VAL},
          Conversion{1e300, -3.0856776e16, HUGE_VAL}}) {
        EXPECT_EQ(ConvertUnit(x, k), converted) << x << " by " << k;
    }
    for (double x : kolvenar::testing::RandomDoubles(20000, 3)) {
        for (double k : {-18.0, -12.0, -2.0, 0.0, 1.0, 9.0, 60.0, 31556926.0, 3.0856776e16}) {
            if (std::fabs(x) > 1e-250 && std::fabs(x) < 1e250) {  // clear of the range ends
                ASSERT_NEAR(ConvertUnit(ConvertUnit(x, k), -k), x, 1e-15 * std::fabs(x)) << k;
            }
        }
    }
}
