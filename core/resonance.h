#pragma once

#include <optional>
#include <string_view>

#include "core/units.h"

namespace kolvenar {

// Speed of light in metres per second, used exactly as this double.
inline constexpr double kSpeedOfLight = 299792458.0;

// The quantity set of one element and one N. Values in base units (metre, hertz, second);
// A and V in the working form described at ComputeResonanceValues.
struct ResonanceValues {
    double Z = 0.0;
    double N = 0.0;
    double L = 0.0;
    double LFactor = 0.0;
    double f = 0.0;
    double fFactor = 0.0;
    double T = 0.0;
    double A = 0.0;
    double AHalf = 0.0;
    double V = 0.0;
    double VHalf = 0.0;
    double VQuarter = 0.0;
    bool LOverflow = false;
    bool LFactorOverflow = false;
    bool fOverflow = false;
    bool fFactorOverflow = false;
    bool TOverflow = false;
    bool AOverflow = false;
    bool VOverflow = false;
};

// What one table run holds constant: the reference length, the two wished factors and the
// area and volume unit factors, with their conversions resolved once.
struct ResonanceParameters {
    double Cx = 0.0;
    double WunschfaktorF = 0.0;
    double WunschfaktorL = 0.0;
    UnitScale areaToUnit;
    UnitScale areaToBase;
    UnitScale volumeToUnit;
    UnitScale volumeToBase;
};

ResonanceParameters MakeResonanceParameters(double cx, double wunschfaktorF, double wunschfaktorL,
                                            double areaFactor, double volumeFactor);

// An arithmetic failure that ends a table run; shown as "<Number> : <Description>".
struct ArithmeticError {
    int Number;
    std::string_view Description;
};

inline constexpr ArithmeticError kDivisionByZero{11, "Division durch Null"};

// Resets `out`, then computes L = (2^N * Cx) * Z and everything derived from it. A quantity
// that leaves the double range gets its overflow flag; L, LFactor and fFactor then keep the
// out-of-range product, f, T, A and V keep 0. A quantity derived from an overflowed one is
// flagged too (f and T of an overflowed L, fFactor of an overflowed f), so that no
// meaningless value is ever shown or matched.
//
// A is stored so that ConvertUnit(A, areaFactor) is the square of L in the length unit the
// area unit is built on: A = ConvertUnit(ConvertUnit(L, k)^2, -k); V likewise with the cube.
//
// Fails only when L is exactly 0 (the frequency would divide by zero).
std::optional<ArithmeticError> ComputeResonanceValues(const ResonanceParameters& parameters,
                                                      double Z, double N, ResonanceValues& out);

// (1 / L) * c: the reciprocal first, then multiplied by c.
inline double FrequencyFromWavelength(double L) {
    return (1.0 / L) * kSpeedOfLight;
}

inline double WavelengthFromFrequency(double f) {
    return kSpeedOfLight / f;
}

inline double PeriodFromWavelength(double L) {
    return L / kSpeedOfLight;
}

// Four places after the decimal point (half to even) when rounding is on, else unchanged.
double RoundForDisplay(double x, bool roundingOn);

// Whether a lies within p per cent of the target b: |a - b| <= (p / 100) * b.
inline bool WithinTolerance(double a, double b, double p) {
    const double difference = a > b ? a - b : b - a;
    return (p / 100.0) * b >= difference;
}

}  // namespace kolvenar
