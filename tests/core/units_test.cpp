#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "random_doubles.h"

using namespace kolvenar;

namespace {

// A row as "label|name|scale|stored", the scale as "e-9" or "/3600".
std::string Described(const UnitRow& row) {
    const std::string scale = row.scale.rule == UnitScale::Rule::PowerOfTen
                                  ? "e" + std::to_string(row.scale.exponent)
                                  : (row.scale.rule == UnitScale::Rule::DivideBy ? "/" : "*") +
                                        std::to_string(row.scale.factor);
    return std::string(row.label) + "|" + std::string(row.name) + "|" + scale + "|" +
           std::to_string(row.stored);
}

}  // namespace

// Every list in the order shown, with each row's stored number: the numbers are those of the
// places the rows had before "Å" came, which took the next free number of its list. Nothing
// chosen is the empty label's "?" and the base unit.
TEST(UnitLists, RowsInTheOrderShownWithTheirStoredNumbers) {
    using List = std::tuple<std::span<const UnitRow>, std::size_t, const char*, const char*>;
    for (const auto& [list, size, shownAt1, last] :
         {List{MainUnits(Quantity::Frequency), 6, "mHz Milli e-3|mHz|e-3|1",
               "GHz Giga e+9|GHz|e9|5"},
          List{MainUnits(Quantity::Wavelength), 11, "Å Angström e-10|Å|e-10|10",
               "Parsec|Parsec|/30856776000000000.000000|9"},
          List{MainUnits(Quantity::Period), 11, "fs Femto e-15|fs|e-15|1",
               "Jahre|Jahre|/31556926.000000|10"},
          List{MainUnits(Quantity::Area), 11, "nm² Nano e-9|nm²|e-9|1",
               "Parsec²|Parsec²|/30856776000000000.000000|10"},
          List{MainUnits(Quantity::Volume), 11, "nm³ Nano e-9|nm³|e-9|1",
               "Parsec³|Parsec³|/30856776000000000.000000|10"},
          List{kConverterFrequencyUnits, 6, "mHz Milli e-3|mHz|e-3|1", "GHz Giga e+9|GHz|e9|5"},
          List{kConverterWavelengthUnits, 6, "µm Mikro e-6|µm|e-6|0", "km Kilo e+3|km|e3|4"},
          List{kPrefixes, 15, "Femto e-15|Femto|e-15|1", "Tera e+12|Tera|e12|14"}}) {
        EXPECT_EQ(list.size(), size);
        EXPECT_EQ(Described(list[1]), shownAt1);
        EXPECT_EQ(Described(list[size - 1]), last);
        EXPECT_EQ(UnitAt(list, -1).name, "?");
        EXPECT_EQ(UnitAt(list, static_cast<int>(size)).scale.exponent, 0);
    }
    EXPECT_EQ(Described(kConverterWavelengthUnits[0]), "Å Angström e-10|Å|e-10|5");
    EXPECT_EQ(Described(kPrefixes[kNoPrefix]), "|?|e0|8");
    EXPECT_EQ(Described(kPeriodUnits[7]), "Min.|Min.|/60.000000|7");
    EXPECT_EQ(Described(kAreaUnits[8]), "AE²|AE²|/149597870000.000000|8");
    // What a first start chooses: MHz, m, ns, m², m³.
    std::string firstStart;
    for (int i = 0; i < kQuantityCount; ++i) {
        for (const UnitRow& row : MainUnits(static_cast<Quantity>(i))) {
            firstStart += row.stored == kFirstStartMainUnits[i] ? std::string(row.name) + " " : "";
        }
    }
    EXPECT_EQ(firstStart, "MHz m ns m² m³ ");
}

TEST(UnitScale, FromTheBaseUnitAndBack) {
    using Conversion = std::tuple<double, UnitScale, double>;  // value, scale, in the unit
    for (const auto& [x, scale, converted] :
         {Conversion{1, PowerOfTen(-9), 1e9}, Conversion{1e9, PowerOfTen(9), 1},
          Conversion{5, PowerOfTen(3), 0.005}, Conversion{1, PowerOfTen(-10), 1e10},
          Conversion{3600, DivideBy(kSecondsPerHour), 1}, Conversion{120, DivideBy(60), 2},
          Conversion{1.4959787e11, DivideBy(kMetresPerAstronomicalUnit), 1},
          Conversion{2, MultiplyBy(1.4959787e11), 2.9919574e11}, Conversion{42, PowerOfTen(0), 42},
          Conversion{1e300, PowerOfTen(-12), HUGE_VAL},
          Conversion{-1e300, PowerOfTen(-12), -HUGE_VAL},
          Conversion{1e300, MultiplyBy(kMetresPerParsec), HUGE_VAL}}) {
        EXPECT_EQ(Apply(ToUnit(scale), x), converted) << x;
        if (std::isfinite(converted)) {
            EXPECT_EQ(Apply(ToBase(scale), converted), x) << x;
        }
    }
    // The converter's sums of exponents: 1 µHz at 1 km is c * 10^3 in µHz.
    EXPECT_EQ(InPowerOfTenUnit(299792458, -6 + 3), 299792458000);
    EXPECT_EQ(InPowerOfTenUnit(7, 0), 7);
    for (double x : kolvenar::testing::RandomDoubles(20000, 3)) {
        for (const UnitScale& scale :
             {PowerOfTen(-18), PowerOfTen(-12), PowerOfTen(-10), PowerOfTen(-2), PowerOfTen(0),
              PowerOfTen(1), PowerOfTen(9), DivideBy(60), DivideBy(31556926),
              DivideBy(3.0856776e16), MultiplyBy(1.602176634e-19)}) {
            if (std::fabs(x) > 1e-250 && std::fabs(x) < 1e250) {  // clear of the range ends
                ASSERT_NEAR(Apply(ToBase(scale), Apply(ToUnit(scale), x)), x, 1e-15 * std::fabs(x));
            }
        }
    }
}
