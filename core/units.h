#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kolvenar {

// The five quantities of the main window; the same index selects a quantity's check box,
// unit list and search box everywhere.
enum class Quantity { Frequency = 0, Wavelength = 1, Period = 2, Area = 3, Volume = 4 };
inline constexpr int kQuantityCount = 5;

// Short name and factor of a unit label such as "nm Nano e-9" or "Lichtjahre³".
struct ParsedUnit {
    std::string UnitName;
    double UnitFactor = 0.0;
};

// UnitName is the label up to its first blank ("?" for an empty label); UnitFactor is 0 for a
// base unit, the power-of-ten exponent of a prefixed label, or one of the named factors
// (seconds per minute, metres per light year, ...). Area and volume labels carry the factor
// of their underlying length.
ParsedUnit ParseUnitLabel(std::string_view label);

// A unit factor resolved once into the operation that ConvertUnit applies, so that a run over
// many values does not recompute the power of ten for each of them.
struct UnitScale {
    enum class Op { Identity, Divide, Multiply };
    Op op = Op::Identity;
    double operand = 1.0;
};

UnitScale MakeUnitScale(double factor);

inline double ApplyUnitScale(const UnitScale& scale, double x) {
    switch (scale.op) {
        case UnitScale::Op::Divide:
            return x / scale.operand;
        case UnitScale::Op::Multiply:
            return x * scale.operand;
        case UnitScale::Op::Identity:
            break;
    }
    return x;
}

// Converts from the base unit into the unit of factor k; ConvertUnit(x, -k) converts back.
// A result beyond the double range is infinite: callers treat a non-finite result as an
// overflow.
inline double ConvertUnit(double x, double k) {
    return ApplyUnitScale(MakeUnitScale(k), x);
}

// The named factors, exact doubles.
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kSecondsPerYear = 31556926.0;
inline constexpr double kMetresPerAstronomicalUnit = 1.4959787e11;
inline constexpr double kMetresPerLightYear = 9.460528405e15;
inline constexpr double kMetresPerParsec = 3.0856776e16;

// Unit lists of the main window, index = quantity.
inline constexpr std::array<std::string_view, 6> kFrequencyUnits = {
    "µHz Mikro e-6", "mHz Milli e-3", "Hz", "kHz Kilo e+3", "MHz Mega e+6", "GHz Giga e+9"};
inline constexpr std::array<std::string_view, 10> kWavelengthUnits = {
    "pm Pico e-12", "nm Nano e-9", "µm Mikro e-6", "mm Milli e-3", "cm Centi e-2", "m",
    "km Kilo e+3",  "AE",          "Lichtjahre",   "Parsec"};
inline constexpr std::array<std::string_view, 11> kPeriodUnits = {"as Atto e-18",
                                                                  "fs Femto e-15",
                                                                  "ps Pico e-12",
                                                                  "ns Nano e-9",
                                                                  "µs Mikro e-6",
                                                                  "ms Milli e-3",
                                                                  "s",
                                                                  "Min.",
                                                                  "Std.",
                                                                  "Tage",
                                                                  "Jahre"};
inline constexpr std::array<std::string_view, 11> kAreaUnits = {
    "pm² Pico e-12", "nm² Nano e-9", "µm² Mikro e-6", "mm² Milli e-3", "cm² Centi e-2",
    "dm² Dezi e-1",  "m²",           "km² Kilo e+3",  "AE²",           "Lichtjahre²",
    "Parsec²"};
inline constexpr std::array<std::string_view, 11> kVolumeUnits = {
    "pm³ Pico e-12", "nm³ Nano e-9", "µm³ Mikro e-6", "mm³ Milli e-3", "cm³ Milliliter e-2",
    "dm³ Liter e-1", "m³",           "km³ Kilo e+3",  "AE³",           "Lichtjahre³",
    "Parsec³"};

std::span<const std::string_view> MainUnitLabels(Quantity quantity);

// Index of each main-window unit list that a first start selects (MHz, m, ns, m², m³).
inline constexpr std::array<int, kQuantityCount> kDefaultMainUnitIndex = {4, 5, 3, 6, 6};

// Unit lists of the converter window.
inline constexpr std::array<std::string_view, 6> kConverterFrequencyUnits = kFrequencyUnits;
inline constexpr std::array<std::string_view, 5> kConverterWavelengthUnits = {
    "µm Mikro e-6", "mm Milli e-3", "cm Centi e-2", "m", "km Kilo e+3"};
inline constexpr std::array<std::string_view, 15> kPrefixLabels = {
    "Atto e-18", "Femto e-15", "Pico e-12", "Nano e-9", "Mikro e-6",
    "Milli e-3", "Centi e-2",  "Dezi e-1",  "",         "Deka e+1",
    "Hekto e+2", "Kilo e+3",   "Mega e+6",  "Giga e+9", "Tera e+12"};

}  // namespace kolvenar
