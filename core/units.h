#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kolvenar {

// The five quantities of the main window; the same index selects a quantity's check box,
// unit list and search box everywhere.
enum class Quantity { Frequency = 0, Wavelength = 1, Period = 2, Area = 3, Volume = 4 };
inline constexpr int kQuantityCount = 5;

// How a value in a unit follows from the value in the base unit (metre, hertz, second, ...),
// stated by the unit's row: the unit is 10^exponent base units, or a named factor divides or
// multiplies the base value. An area or volume unit states the scale of the length it is
// built on.
struct UnitScale {
    enum class Rule : std::uint8_t { PowerOfTen, DivideBy, MultiplyBy };
    Rule rule = Rule::PowerOfTen;
    int exponent = 0;
    double factor = 1.0;
};

// "km" is PowerOfTen(3): 1 km = 10^3 m.
constexpr UnitScale PowerOfTen(int exponent) {
    return {UnitScale::Rule::PowerOfTen, exponent, 1.0};
}
// "Std." is DivideBy(kSecondsPerHour): one unit holds `factor` base units.
constexpr UnitScale DivideBy(double factor) {
    return {UnitScale::Rule::DivideBy, 0, factor};
}
// One base unit holds `factor` units.
constexpr UnitScale MultiplyBy(double factor) {
    return {UnitScale::Rule::MultiplyBy, 0, factor};
}

// A scale resolved once into the one operation it takes, so that a run over many values does
// not recompute the power of ten for each of them.
struct UnitConversion {
    enum class Op : std::uint8_t { Identity, Divide, Multiply };
    Op op = Op::Identity;
    double operand = 1.0;
};

// From the base unit into the unit, and back. A result beyond the double range is infinite:
// callers treat a non-finite result as an overflow.
UnitConversion ToUnit(const UnitScale& scale);
UnitConversion ToBase(const UnitScale& scale);

inline double Apply(const UnitConversion& conversion, double x) {
    switch (conversion.op) {
        case UnitConversion::Op::Divide:
            return x / conversion.operand;
        case UnitConversion::Op::Multiply:
            return x * conversion.operand;
        case UnitConversion::Op::Identity:
            break;
    }
    return x;
}

// The named factors, exact doubles.
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kSecondsPerYear = 31556926.0;
inline constexpr double kMetresPerAstronomicalUnit = 1.4959787e11;
inline constexpr double kMetresPerLightYear = 9.460528405e15;
inline constexpr double kMetresPerParsec = 3.0856776e16;

// One row of a unit list: the label the list shows, the short name the table's titles give,
// its scale, and the number the settings file keeps for it. The number is the row's own and
// never changes: a row added later takes the next free number of its list wherever it is
// shown, so that every stored choice reads back as the unit it was.
struct UnitRow {
    std::string_view label;
    std::string_view name;
    UnitScale scale;
    int stored;
};

// What an empty list (nothing chosen) gives: every value in its base unit.
inline constexpr UnitRow kNoUnit = {"", "?", PowerOfTen(0), -1};

// The unit lists of the main window, index = quantity, in the order shown.
inline constexpr auto kFrequencyUnits = std::to_array<UnitRow>({
    {"µHz Mikro e-6", "µHz", PowerOfTen(-6), 0},
    {"mHz Milli e-3", "mHz", PowerOfTen(-3), 1},
    {"Hz", "Hz", PowerOfTen(0), 2},
    {"kHz Kilo e+3", "kHz", PowerOfTen(3), 3},
    {"MHz Mega e+6", "MHz", PowerOfTen(6), 4},
    {"GHz Giga e+9", "GHz", PowerOfTen(9), 5},
});
inline constexpr auto kWavelengthUnits = std::to_array<UnitRow>({
    {"pm Pico e-12", "pm", PowerOfTen(-12), 0},
    {"Å Angström e-10", "Å", PowerOfTen(-10), 10},
    {"nm Nano e-9", "nm", PowerOfTen(-9), 1},
    {"µm Mikro e-6", "µm", PowerOfTen(-6), 2},
    {"mm Milli e-3", "mm", PowerOfTen(-3), 3},
    {"cm Centi e-2", "cm", PowerOfTen(-2), 4},
    {"m", "m", PowerOfTen(0), 5},
    {"km Kilo e+3", "km", PowerOfTen(3), 6},
    {"AE", "AE", DivideBy(kMetresPerAstronomicalUnit), 7},
    {"Lichtjahre", "Lichtjahre", DivideBy(kMetresPerLightYear), 8},
    {"Parsec", "Parsec", DivideBy(kMetresPerParsec), 9},
});
inline constexpr auto kPeriodUnits = std::to_array<UnitRow>({
    {"as Atto e-18", "as", PowerOfTen(-18), 0},
    {"fs Femto e-15", "fs", PowerOfTen(-15), 1},
    {"ps Pico e-12", "ps", PowerOfTen(-12), 2},
    {"ns Nano e-9", "ns", PowerOfTen(-9), 3},
    {"µs Mikro e-6", "µs", PowerOfTen(-6), 4},
    {"ms Milli e-3", "ms", PowerOfTen(-3), 5},
    {"s", "s", PowerOfTen(0), 6},
    {"Min.", "Min.", DivideBy(kSecondsPerMinute), 7},
    {"Std.", "Std.", DivideBy(kSecondsPerHour), 8},
    {"Tage", "Tage", DivideBy(kSecondsPerDay), 9},
    {"Jahre", "Jahre", DivideBy(kSecondsPerYear), 10},
});
inline constexpr auto kAreaUnits = std::to_array<UnitRow>({
    {"pm² Pico e-12", "pm²", PowerOfTen(-12), 0},
    {"nm² Nano e-9", "nm²", PowerOfTen(-9), 1},
    {"µm² Mikro e-6", "µm²", PowerOfTen(-6), 2},
    {"mm² Milli e-3", "mm²", PowerOfTen(-3), 3},
    {"cm² Centi e-2", "cm²", PowerOfTen(-2), 4},
    {"dm² Dezi e-1", "dm²", PowerOfTen(-1), 5},
    {"m²", "m²", PowerOfTen(0), 6},
    {"km² Kilo e+3", "km²", PowerOfTen(3), 7},
    {"AE²", "AE²", DivideBy(kMetresPerAstronomicalUnit), 8},
    {"Lichtjahre²", "Lichtjahre²", DivideBy(kMetresPerLightYear), 9},
    {"Parsec²", "Parsec²", DivideBy(kMetresPerParsec), 10},
});
inline constexpr auto kVolumeUnits = std::to_array<UnitRow>({
    {"pm³ Pico e-12", "pm³", PowerOfTen(-12), 0},
    {"nm³ Nano e-9", "nm³", PowerOfTen(-9), 1},
    {"µm³ Mikro e-6", "µm³", PowerOfTen(-6), 2},
    {"mm³ Milli e-3", "mm³", PowerOfTen(-3), 3},
    {"cm³ Milliliter e-2", "cm³", PowerOfTen(-2), 4},
    {"dm³ Liter e-1", "dm³", PowerOfTen(-1), 5},
    {"m³", "m³", PowerOfTen(0), 6},
    {"km³ Kilo e+3", "km³", PowerOfTen(3), 7},
    {"AE³", "AE³", DivideBy(kMetresPerAstronomicalUnit), 8},
    {"Lichtjahre³", "Lichtjahre³", DivideBy(kMetresPerLightYear), 9},
    {"Parsec³", "Parsec³", DivideBy(kMetresPerParsec), 10},
});

std::span<const UnitRow> MainUnits(Quantity quantity);

// The stored number of the unit a first start chooses in each main-window list (MHz, m, ns,
// m², m³).
inline constexpr std::array<int, kQuantityCount> kFirstStartMainUnits = {4, 5, 3, 6, 6};

// The two further quantities of the Mehrfachsuche. Photon energy in joules, by the exact
// electronvolt; the wavenumber 1 / L in 1/m, of which 1/cm is a hundred.
inline constexpr double kJoulesPerElectronVolt = 1.602176634E-19;
inline constexpr auto kEnergyUnits = std::to_array<UnitRow>({
    {"meV", "meV", DivideBy(1.602176634E-22), 0},
    {"eV", "eV", DivideBy(kJoulesPerElectronVolt), 1},
    {"keV", "keV", DivideBy(1.602176634E-16), 2},
    {"J", "J", PowerOfTen(0), 3},
});
inline constexpr auto kWavenumberUnits = std::to_array<UnitRow>({
    {"1/cm", "1/cm", PowerOfTen(2), 0},
    {"1/m", "1/m", PowerOfTen(0), 1},
});

// Where the row stored as `stored` is shown in its list; -1 where the list has none.
int PlaceOfStored(std::span<const UnitRow> list, int stored);

// The unit lists of the converter window: its frequencies are the main window's. Its
// arithmetic adds the exponents of the two units, so every row is a power of ten.
inline constexpr auto kConverterFrequencyUnits = kFrequencyUnits;
inline constexpr auto kConverterWavelengthUnits = std::to_array<UnitRow>({
    {"Å Angström e-10", "Å", PowerOfTen(-10), 5},
    {"µm Mikro e-6", "µm", PowerOfTen(-6), 0},
    {"mm Milli e-3", "mm", PowerOfTen(-3), 1},
    {"cm Centi e-2", "cm", PowerOfTen(-2), 2},
    {"m", "m", PowerOfTen(0), 3},
    {"km Kilo e+3", "km", PowerOfTen(3), 4},
});
// The decimal prefixes; the empty row in the middle is no prefix.
inline constexpr auto kPrefixes = std::to_array<UnitRow>({
    {"Atto e-18", "Atto", PowerOfTen(-18), 0},
    {"Femto e-15", "Femto", PowerOfTen(-15), 1},
    {"Pico e-12", "Pico", PowerOfTen(-12), 2},
    {"Nano e-9", "Nano", PowerOfTen(-9), 3},
    {"Mikro e-6", "Mikro", PowerOfTen(-6), 4},
    {"Milli e-3", "Milli", PowerOfTen(-3), 5},
    {"Centi e-2", "Centi", PowerOfTen(-2), 6},
    {"Dezi e-1", "Dezi", PowerOfTen(-1), 7},
    {"", "?", PowerOfTen(0), 8},
    {"Deka e+1", "Deka", PowerOfTen(1), 9},
    {"Hekto e+2", "Hekto", PowerOfTen(2), 10},
    {"Kilo e+3", "Kilo", PowerOfTen(3), 11},
    {"Mega e+6", "Mega", PowerOfTen(6), 12},
    {"Giga e+9", "Giga", PowerOfTen(9), 13},
    {"Tera e+12", "Tera", PowerOfTen(12), 14},
});

// The stored numbers of the converter's first start: Hz, m, and no prefix.
inline constexpr int kFirstStartConverterFrequency = 2;
inline constexpr int kFirstStartConverterWavelength = 3;
inline constexpr int kNoPrefix = 8;

// The row shown at `place`; kNoUnit where the list has none (nothing chosen).
inline const UnitRow& UnitAt(std::span<const UnitRow> list, int place) {
    return place >= 0 && static_cast<std::size_t>(place) < list.size()
               ? list[static_cast<std::size_t>(place)]
               : kNoUnit;
}

// x in the unit 10^exponent base units, from x in the base unit.
inline double InPowerOfTenUnit(double x, int exponent) {
    return Apply(ToUnit(PowerOfTen(exponent)), x);
}

}  // namespace kolvenar
