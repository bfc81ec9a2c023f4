#include "core/resonance.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace kolvenar {
namespace {

constexpr double kCe = 2.42611E-12;

ResonanceValues Compute(double z, double n, double cx = kCe, double wf = 0, double wl = 0,
                        double areaFactor = 0, double volumeFactor = 0) {
    ResonanceValues v;
    const auto error = ComputeResonanceValues(z, n, cx, wf, wl, areaFactor, volumeFactor, v);
    EXPECT_FALSE(error.has_value());
    return v;
}

TEST(ComputeResonanceValues, HydrogenAtNZero) {
    const ResonanceValues v = Compute(1, 0);
    EXPECT_EQ(v.Z, 1.0);
    EXPECT_EQ(v.N, 0.0);
    EXPECT_EQ(v.L, 2.42611e-12);
    EXPECT_EQ(v.f, 1.2356919430693578e20);
    EXPECT_EQ(v.T, 8.092631870011887e-21);
}

TEST(ComputeResonanceValues, HydrogenAtN33) {
    const ResonanceValues v = Compute(1, 33);
    EXPECT_EQ(v.L, 0.02084012621299712);
    EXPECT_EQ(v.f, 14385347523.13697);
    EXPECT_EQ(v.T, 6.951517844053675e-11);
    EXPECT_EQ(v.A, v.L * v.L);
    EXPECT_EQ(v.V, v.L * v.L * v.L);
    EXPECT_EQ(v.AHalf, v.A / 2);
    EXPECT_EQ(v.VHalf, v.V / 2);
    EXPECT_EQ(v.VQuarter, v.V / 4);
}

TEST(ComputeResonanceValues, EquationIsEvaluatedAsPowerTimesCxThenTimesZ) {
    for (double z : {1.0, 7.0, 79.0, 118.0}) {
        for (double n : {-900.0, -33.0, 0.0, 0.5, 33.75, 900.0}) {
            const ResonanceValues v = Compute(z, n, 1.3195909067E-15);
            EXPECT_EQ(v.L, (std::pow(2.0, n) * 1.3195909067E-15) * z) << z << " " << n;
        }
    }
}

TEST(ComputeResonanceValues, WishedFactors) {
    const ResonanceValues none = Compute(1, 33);
    EXPECT_EQ(none.fFactor, 0.0);
    EXPECT_EQ(none.LFactor, 0.0);
    EXPECT_FALSE(none.fFactorOverflow);
    EXPECT_FALSE(none.LFactorOverflow);

    const ResonanceValues both = Compute(1, 33, kCe, 2, 0.5);
    EXPECT_EQ(both.fFactor, 2 * both.f);
    EXPECT_EQ(both.LFactor, 0.5 * both.L);
}

TEST(ComputeResonanceValues, AreaAndVolumeInTheirWorkingForm) {
    const ResonanceValues km = Compute(1, 33, kCe, 0, 0, 3, 3);
    const double lengthInKm = km.L * std::pow(10.0, -3);
    EXPECT_EQ(km.A, (lengthInKm * lengthInKm) * std::pow(10.0, 3));
    EXPECT_EQ(km.V, (lengthInKm * lengthInKm * lengthInKm) * std::pow(10.0, 3));

    // Shown in its unit, the working form gives the square of L in the underlying length.
    const ResonanceValues pm = Compute(1, 33, kCe, 0, 0, -12, -12);
    EXPECT_DOUBLE_EQ(ConvertUnit(pm.A, -12), std::pow(pm.L * 1e12, 2));
    EXPECT_DOUBLE_EQ(ConvertUnit(pm.V, -12), std::pow(pm.L * 1e12, 3));

    const ResonanceValues ae =
        Compute(1, 33, kCe, 0, 0, kMetresPerAstronomicalUnit, kMetresPerAstronomicalUnit);
    const double inAe = ae.L / kMetresPerAstronomicalUnit;
    EXPECT_DOUBLE_EQ(ConvertUnit(ae.A, kMetresPerAstronomicalUnit), inAe * inAe);
    EXPECT_DOUBLE_EQ(ConvertUnit(ae.V, kMetresPerAstronomicalUnit), inAe * inAe * inAe);
}

// Whether `x` rounded to a double would leave the double range.
bool BeyondDouble(long double x) {
    return std::fabs(x) > static_cast<long double>(DBL_MAX);
}

// Independent oracle in extended precision: does the area (power 2) or volume (power 3) of
// length L overflow anywhere on its way through the unit of factor k?
bool PowerOverflows(double L, double k, int power) {
    const UnitScale there = MakeUnitScale(k);
    const UnitScale back = MakeUnitScale(-k);
    const double converted = ApplyUnitScale(there, L);
    if (std::isinf(converted)) {
        return true;
    }
    long double product = 1;
    for (int i = 0; i < power; ++i) {
        product *= converted;
    }
    if (BeyondDouble(product)) {
        return true;
    }
    const long double returned = back.op == UnitScale::Op::Divide
                                     ? product / back.operand
                                     : product * static_cast<long double>(back.operand);
    return BeyondDouble(returned);
}

TEST(ComputeResonanceValues, OverflowBoundariesOfTheDesign) {
    int firstAreaOverflow = 0;
    int firstVolumeOverflow = 0;
    for (int n = 0; n <= 900 && (!firstAreaOverflow || !firstVolumeOverflow); ++n) {
        const ResonanceValues v = Compute(1, n);
        if (!firstAreaOverflow && v.AOverflow) {
            firstAreaOverflow = n;
        }
        if (!firstVolumeOverflow && v.VOverflow) {
            firstVolumeOverflow = n;
        }
    }
    EXPECT_EQ(firstAreaOverflow, 551);
    EXPECT_EQ(firstVolumeOverflow, 380);
}

TEST(ComputeResonanceValues, OverflowOfEveryAreaAndVolumeUnitSetsTheFlag) {
    for (int q : {3, 4}) {
        const int power = q == 3 ? 2 : 3;
        for (std::string_view label : MainUnitLabels(static_cast<Quantity>(q))) {
            const double k = ParseUnitLabel(label).UnitFactor;
            bool seenOverflow = false;
            for (int n = -900; n <= 900; ++n) {
                const ResonanceValues v = Compute(1, n, kCe, 0, 0, k, k);
                const bool flag = power == 2 ? v.AOverflow : v.VOverflow;
                ASSERT_EQ(flag, PowerOverflows(v.L, k, power)) << label << " N=" << n;
                if (flag) {
                    seenOverflow = true;
                    if (power == 2) {
                        ASSERT_EQ(v.A, 0.0);
                        ASSERT_EQ(v.AHalf, 0.0);
                    } else {
                        ASSERT_EQ(v.V, 0.0);
                        ASSERT_EQ(v.VHalf, 0.0);
                        ASSERT_EQ(v.VQuarter, 0.0);
                    }
                } else {
                    ASSERT_TRUE(std::isfinite(power == 2 ? v.A : v.V));
                }
                ASSERT_FALSE(seenOverflow && !flag) << label << ": flag cleared again at " << n;
            }
            EXPECT_TRUE(seenOverflow) << label;
        }
    }
}

TEST(ComputeResonanceValues, EveryRunStartsFromZero) {
    ResonanceValues v;
    ASSERT_FALSE(ComputeResonanceValues(1, 900, kCe, 3, 3, 0, 0, v));
    ASSERT_TRUE(v.AOverflow && v.VOverflow);
    ASSERT_FALSE(ComputeResonanceValues(1, 1, kCe, 0, 0, 0, 0, v));
    EXPECT_FALSE(v.AOverflow || v.VOverflow || v.LOverflow || v.fOverflow || v.TOverflow ||
                 v.LFactorOverflow || v.fFactorOverflow);
    EXPECT_EQ(v.LFactor, 0.0);
    EXPECT_EQ(v.fFactor, 0.0);
}

TEST(ComputeResonanceValues, ZeroWavelengthIsADivisionByZero) {
    ResonanceValues v;
    const auto error = ComputeResonanceValues(1, -900, 1e-320, 0, 0, 0, 0, v);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Number, 11);
    EXPECT_EQ(error->Description, "Division durch Null");
    EXPECT_FALSE(v.LOverflow);
}

TEST(ComputeResonanceValues, TinyWavelengthOverflowsTheFrequency) {
    // L is a subnormal number: 1 / L is beyond the double range, which is an overflow,
    // not a failure. A frequency product of an overflowed frequency is overflowed too.
    const ResonanceValues v = Compute(1, -35, 1e-300, 2, 0);
    ASSERT_GT(v.L, 0.0);
    EXPECT_TRUE(v.fOverflow);
    EXPECT_EQ(v.f, 0.0);
    EXPECT_TRUE(v.fFactorOverflow);
    EXPECT_FALSE(v.TOverflow);

    const ResonanceValues noFactor = Compute(1, -35, 1e-300, 0, 0);
    EXPECT_FALSE(noFactor.fFactorOverflow);
}

TEST(ComputeResonanceValues, OverflowedWavelengthFlagsEverythingDerivedFromIt) {
    const ResonanceValues v = Compute(1, 900, 1e300, 2, 3);
    EXPECT_TRUE(v.LOverflow);
    EXPECT_TRUE(std::isinf(v.L));
    EXPECT_TRUE(v.LFactorOverflow);
    EXPECT_TRUE(std::isinf(v.LFactor));
    EXPECT_TRUE(v.fOverflow);
    EXPECT_TRUE(v.fFactorOverflow);
    EXPECT_TRUE(v.TOverflow);
    EXPECT_TRUE(v.AOverflow);
    EXPECT_TRUE(v.VOverflow);
    EXPECT_EQ(v.f, 0.0);
    EXPECT_EQ(v.T, 0.0);
    EXPECT_EQ(v.A, 0.0);
    EXPECT_EQ(v.V, 0.0);
}

TEST(ComputeResonanceValues, OverflowedProductKeepsItsInfiniteValue) {
    const ResonanceValues v = Compute(1, 900, 1, 0, 1e300);
    EXPECT_FALSE(v.LOverflow);
    EXPECT_TRUE(v.LFactorOverflow);
    EXPECT_TRUE(std::isinf(v.LFactor));
}

TEST(RoundForDisplay, FourPlacesWithTiesToEven) {
    EXPECT_EQ(RoundForDisplay(0.03125, true), 0.0312);
    EXPECT_EQ(RoundForDisplay(0.09375, true), 0.0938);
    EXPECT_EQ(RoundForDisplay(1.23456, true), 1.2346);
    EXPECT_EQ(RoundForDisplay(1.23456, false), 1.23456);
    EXPECT_EQ(RoundForDisplay(0.00004999, true), 0.0);
    EXPECT_EQ(RoundForDisplay(6.951517844053675e-11, true), 0.0);
    EXPECT_EQ(RoundForDisplay(1e305, true), 1e305);
    EXPECT_TRUE(std::isinf(RoundForDisplay(std::numeric_limits<double>::infinity(), true)));
}

TEST(WithinTolerance, EdgesCountAsWithin) {
    EXPECT_TRUE(WithinTolerance(110, 100, 10));
    EXPECT_FALSE(WithinTolerance(110.5, 100, 10));
    EXPECT_TRUE(WithinTolerance(90, 100, 10));
    EXPECT_FALSE(WithinTolerance(89.9, 100, 10));
}

TEST(WithinTolerance, NegativeAndZeroTargets) {
    EXPECT_FALSE(WithinTolerance(-100, -100, 10));
    EXPECT_FALSE(WithinTolerance(-95, -100, 10));
    EXPECT_TRUE(WithinTolerance(0, 0, 10));
    EXPECT_FALSE(WithinTolerance(1e-300, 0, 10));
    EXPECT_FALSE(WithinTolerance(std::numeric_limits<double>::infinity(), 1e308, 50));
    EXPECT_FALSE(WithinTolerance(std::numeric_limits<double>::quiet_NaN(), 1, 50));
}

TEST(FrequencyAndWavelength, FormulasOfTheConverter) {
    EXPECT_EQ(FrequencyFromWavelength(1), 299792458.0);
    EXPECT_EQ(WavelengthFromFrequency(1e6), 299.792458);
    EXPECT_EQ(PeriodFromWavelength(299792458.0), 1.0);
    EXPECT_EQ(FrequencyFromWavelength(3), (1.0 / 3.0) * 299792458.0);
}

}  // namespace
}  // namespace kolvenar
