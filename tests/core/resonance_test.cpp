#include "core/resonance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

using namespace kolvenar;

constexpr double kCe = 2.42611E-12;
constexpr double kAE = 1.4959787e11;

TEST(ComputeResonanceValues, ExamplesOfTheTable) {
    ResonanceValues v;
    // Z, N, Cx, wished factors of f and L; L, L product, f, f product, T.
    using Row = std::array<double, 10>;
    for (const Row& e :
         {Row{1, 0, kCe, 0, 0, 2.42611e-12, 0, 1.2356919430693578e20, 0, 8.092631870011887e-21},
          Row{1, 33, kCe, 2, 0.5, 0.02084012621299712, 0.01042006310649856, 14385347523.13697,
              28770695046.27394, 6.951517844053675e-11},
          Row{79, 33.75, 1.3195909067E-15, 3, 0, 0.0015060131330635, 0, 199063641224.80695,
              597190923674.4209, 5.0235190808686056e-12}}) {
        const ResonanceParameters p = MakeResonanceParameters(e[2], e[3], e[4], 0, 0);
        ASSERT_FALSE(ComputeResonanceValues(p, e[0], e[1], v));
        EXPECT_EQ((Row{v.Z, v.N, e[2], e[3], e[4], v.L, v.LFactor, v.f, v.fFactor, v.T}), e);
    }
    // A and V at N = 33 in their working form: ConvertUnit(A, k) is L² in the length unit of k.
    using Area = std::array<double, 4>;  // area factor, volume factor, A, V
    for (const Area& a : {Area{0, 0, 0.0004343108605736497, 9.051093150030255e-06},
                          Area{3, 3, 4.343108605736498e-07, 9.051093150030258e-12},
                          Area{-12, -12, 434310860.57364964, 9.051093150030253e+18},
                          Area{-2, -1, 0.043431086057364975, 0.0009051093150030254},
                          Area{kAE, kAE, 2.9031887992365782e-15, 4.044363799848878e-28}}) {
        ASSERT_FALSE(
            ComputeResonanceValues(MakeResonanceParameters(kCe, 0, 0, a[0], a[1]), 1, 33, v));
        EXPECT_EQ((Area{a[0], a[1], v.A, v.V}), a);
    }
    EXPECT_EQ((std::array{v.AHalf, v.VHalf, v.VQuarter}),
              (std::array{1.4515943996182891e-15, 2.022181899924439e-28, 1.0110909499622196e-28}));
}

// Z = 1, Cx = Ce, wished factors 2 for f and 1E12 for L: the first N at which each quantity
// leaves the double range, A and V in each unit. Then f, T, A and V hold 0, L and its product
// the infinity. One set of values serves every N: each run starts from zero.
TEST(ComputeResonanceValues, FirstOverflowingN) {
    using Unit = std::tuple<const char*, double, int, int>;  // unit, factor, first N of A, of V
    for (const auto& [unit, k, firstA, firstV] :
         {Unit{"pm", -12, 511, 341}, Unit{"nm", -9, 521, 351}, Unit{"µm", -6, 531, 360},
          Unit{"mm", -3, 541, 370}, Unit{"cm", -2, 544, 374}, Unit{"dm", -1, 548, 377},
          Unit{"m", 0, 551, 380}, Unit{"km", 3, 556, 387}, Unit{"AE", kAE, 570, 405},
          Unit{"Lichtjahre", 9.460528405e15, 578, 416}, Unit{"Parsec", 3.0856776e16, 578, 417}}) {
        ResonanceValues v;
        const ResonanceParameters p = MakeResonanceParameters(kCe, 2, 1e12, k, k);
        for (int n = -1036; n <= 1030; ++n) {
            ASSERT_FALSE(ComputeResonanceValues(p, 1, n, v));
            ASSERT_EQ((std::array{v.AOverflow, v.VOverflow, v.LOverflow, v.TOverflow,
                                  v.LFactorOverflow, v.fOverflow, v.fFactorOverflow}),
                      (std::array{n >= firstA, n >= firstV, n >= 1024, n >= 1024, n >= 1023,
                                  n <= -958 || n >= 1024, n <= -957 || n >= 1024}))
                << unit << " N=" << n;
            ASSERT_TRUE((!v.AOverflow || (v.A == 0 && v.AHalf == 0)) &&
                        (!v.VOverflow || (v.V == 0 && v.VHalf == 0 && v.VQuarter == 0)) &&
                        (!v.fOverflow || v.f == 0) && (!v.TOverflow || v.T == 0) &&
                        (!v.LOverflow || v.L == HUGE_VAL) &&
                        (!v.LFactorOverflow || v.LFactor == HUGE_VAL) &&
                        (n != -957 || v.fFactor == HUGE_VAL))
                << unit << " N=" << n;
        }
    }
}

TEST(ComputeResonanceValues, ZeroWavelengthIsADivisionByZero) {
    ResonanceValues v;
    using Input = std::tuple<double, double, double>;  // Z, N, Cx
    for (const auto& [z, n, cx] : {Input{1, -1037, kCe}, Input{0, 33, kCe}, Input{1, 5, 0}}) {
        const ResonanceParameters p = MakeResonanceParameters(cx, 0, 0, 0, 0);
        const ArithmeticError e = ComputeResonanceValues(p, z, n, v).value();
        EXPECT_EQ(std::tuple(e.Number, e.Description, v.L, v.LOverflow),
                  std::tuple(11, "Division durch Null", 0.0, false));
    }
    // Without a wished factor an overflowed f leaves its product alone.
    ASSERT_FALSE(ComputeResonanceValues(MakeResonanceParameters(kCe, 0, 0, 0, 0), 1, -1000, v));
    EXPECT_TRUE(v.fOverflow && !v.fFactorOverflow);
}

TEST(DisplayRules, RoundingTolerancesAndConversions) {
    using Rounding = std::tuple<double, bool, double>;
    for (const auto& [x, on, shown] :
         {Rounding{0.03125, true, 0.0312}, Rounding{0.09375, true, 0.0938},
          Rounding{1.23456, false, 1.23456}, Rounding{1e305, true, 1e305}}) {
        EXPECT_EQ(RoundForDisplay(x, on), shown) << x << " " << on;
    }
    // A negative target is never met; a target of 0 only by 0.
    using Tolerance = std::tuple<double, double, double, bool>;
    for (const auto& [a, b, p, within] :
         {Tolerance{110, 100, 10, true}, Tolerance{110.5, 100, 10, false},
          Tolerance{90, 100, 10, true}, Tolerance{-100, -100, 10, false}, Tolerance{0, 0, 10, true},
          Tolerance{1e-300, 0, 10, false}, Tolerance{HUGE_VAL, 1e308, 50, false},
          Tolerance{NAN, 1, 50, false}}) {
        EXPECT_EQ(WithinTolerance(a, b, p), within) << a << " " << b << " " << p;
    }
    EXPECT_EQ(WavelengthFromFrequency(1e6), 299.792458);  // the converter's formula
}
