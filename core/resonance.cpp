#include "core/resonance.h"

#include <cmath>

#include "core/number_rules.h"

namespace kolvenar {

namespace {

bool OutOfRange(double x) {
    return !std::isfinite(x);
}

}  // namespace

ResonanceParameters MakeResonanceParameters(double cx, double wunschfaktorF, double wunschfaktorL,
                                            double areaFactor, double volumeFactor) {
    return ResonanceParameters{cx,
                               wunschfaktorF,
                               wunschfaktorL,
                               MakeUnitScale(areaFactor),
                               MakeUnitScale(-areaFactor),
                               MakeUnitScale(volumeFactor),
                               MakeUnitScale(-volumeFactor)};
}

std::optional<ArithmeticError> ComputeResonanceValues(const ResonanceParameters& p, double Z,
                                                      double N, ResonanceValues& out) {
    out = ResonanceValues{};
    out.Z = Z;
    out.N = N;

    // Every step in the design's order (docs/design.md, "The order of the arithmetic").
    out.L = (std::exp2(N) * p.Cx) * Z;
    out.LOverflow = OutOfRange(out.L);

    out.LFactor = p.WunschfaktorL * out.L;
    out.LFactorOverflow = OutOfRange(out.LFactor);

    if (out.L == 0.0) {
        return kDivisionByZero;
    }
    const double f = FrequencyFromWavelength(out.L);
    out.fOverflow = out.LOverflow || OutOfRange(f);
    if (!out.fOverflow) {
        out.f = f;
    }

    out.fFactor = p.WunschfaktorF * out.f;
    out.fFactorOverflow = OutOfRange(out.fFactor) || (out.fOverflow && p.WunschfaktorF != 0.0);

    const double T = PeriodFromWavelength(out.L);
    out.TOverflow = OutOfRange(T);
    if (!out.TOverflow) {
        out.T = T;
    }

    const double a1 = ApplyUnitScale(p.areaToUnit, out.L);
    const double a2 = ApplyUnitScale(p.areaToUnit, out.L);
    const double areaProduct = a1 * a2;
    const double A = ApplyUnitScale(p.areaToBase, areaProduct);
    out.AOverflow = OutOfRange(areaProduct) || OutOfRange(A);
    if (!out.AOverflow) {
        out.A = A;
    }
    out.AHalf = out.A / 2.0;

    const double q1 = ApplyUnitScale(p.volumeToUnit, out.L);
    const double q2 = ApplyUnitScale(p.volumeToUnit, out.L);
    const double q3 = ApplyUnitScale(p.volumeToUnit, out.L);
    const double volumeProduct = q1 * q2 * q3;
    const double V = ApplyUnitScale(p.volumeToBase, volumeProduct);
    out.VOverflow = OutOfRange(volumeProduct) || OutOfRange(V);
    if (!out.VOverflow) {
        out.V = V;
    }
    out.VHalf = out.V / 2.0;
    out.VQuarter = out.V / 4.0;
    return std::nullopt;
}

double RoundForDisplay(double x, bool roundingOn) {
    return roundingOn ? RoundToPlaces(x, 4) : x;
}

}  // namespace kolvenar
