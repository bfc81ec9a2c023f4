#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "random_doubles.h"

using namespace kolvenar;

// Rows are shown in the order of their lists and stored by their own numbers: "Å" shows
// between "pm" and "nm" in the main window and first in the converter, under the next free
// number of its list. Which unit each stored number of earlier versions opens: settings_test.
// Each row with its name and what one of its unit is in the base unit (an area or volume unit:
// its length).
TEST(UnitLists, RowsShownInOrderStoredByTheirOwnNumbers) {
    using Row = std::tuple<std::span<const UnitRow>, int, const char*, double, int>;
    for (const auto& [list, place, name, inBase, stored] :
         {Row{kWavelengthUnits, 0, "pm", 1e-12, 0}, Row{kWavelengthUnits, 1, "Å", 1e-10, 10},
          Row{kWavelengthUnits, 2, "nm", 1e-9, 1}, Row{kConverterWavelengthUnits, 0, "Å", 1e-10, 5},
          Row{kConverterWavelengthUnits, 1, "µm", 1e-6, 0}, Row{kPrefixes, kNoPrefix, "?", 1, 8},
          Row{kPeriodUnits, 8, "Std.", 3600, 8},
          Row{kVolumeUnits, 9, "Lichtjahre³", 9.460528405e15, 9}}) {
        const UnitRow& row = list[static_cast<std::size_t>(place)];
        EXPECT_EQ(std::tuple(row.name, Apply(ToBase(row.scale), 1), row.stored),
                  std::tuple(name, inBase, stored));
    }
    EXPECT_EQ(kWavelengthUnits[1].label, "Å Angström e-10");
    // Nothing chosen is "?" in the base unit.
    EXPECT_EQ(UnitAt(kAreaUnits, -1).name, "?");
    EXPECT_EQ(UnitAt(kAreaUnits, 11).scale.exponent, 0);
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
