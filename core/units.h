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

// One entry of a unit list: the label the list shows, the short name the table's titles give
// and the unit factor, as ParseUnitLabel reads them from the label. The windows take a unit's
// name and factor from here by the entry's index; the label is only shown.
struct UnitEntry {
    std::string_view label;
    std::string_view name;
    double factor;
};

// What an empty label (a list with nothing chosen) gives: every value in its base unit.
inline constexpr UnitEntry kNoUnit = {"", "?", 0};

// The unit lists of the main window, index = quantity. Area and volume units carry the factor
// of the length they are built on.
inline constexpr std::array<UnitEntry, 6> kFrequencyUnits = {{
    {"µHz Mikro e-6", "µHz", -6},
    {"mHz Milli e-3", "mHz", -3},
    {"Hz", "Hz", 0},
    {"kHz Kilo e+3", "kHz", 3},
    {"MHz Mega e+6", "MHz", 6},
    {"GHz Giga e+9", "GHz", 9},
}};
inline constexpr std::array<UnitEntry, 10> kWavelengthUnits = {{
    {"pm Pico e-12", "pm", -12},
    {"nm Nano e-9", "nm", -9},
    {"µm Mikro e-6", "µm", -6},
    {"mm Milli e-3", "mm", -3},
    {"cm Centi e-2", "cm", -2},
    {"m", "m", 0},
    {"km Kilo e+3", "km", 3},
    {"AE", "AE", kMetresPerAstronomicalUnit},
    {"Lichtjahre", "Lichtjahre", kMetresPerLightYear},
    {"Parsec", "Parsec", kMetresPerParsec},
}};
inline constexpr std::array<UnitEntry, 11> kPeriodUnits = {{
    {"as Atto e-18", "as", -18},
    {"fs Femto e-15", "fs", -15},
    {"ps Pico e-12", "ps", -12},
    {"ns Nano e-9", "ns", -9},
    {"µs Mikro e-6", "µs", -6},
    {"ms Milli e-3", "ms", -3},
    {"s", "s", 0},
    {"Min.", "Min.", kSecondsPerMinute},
    {"Std.", "Std.", kSecondsPerHour},
    {"Tage", "Tage", kSecondsPerDay},
    {"Jahre", "Jahre", kSecondsPerYear},
}};
inline constexpr std::array<UnitEntry, 11> kAreaUnits = {{
    {"pm² Pico e-12", "pm²", -12},
    {"nm² Nano e-9", "nm²", -9},
    {"µm² Mikro e-6", "µm²", -6},
    {"mm² Milli e-3", "mm²", -3},
    {"cm² Centi e-2", "cm²", -2},
    {"dm² Dezi e-1", "dm²", -1},
    {"m²", "m²", 0},
    {"km² Kilo e+3", "km²", 3},
    {"AE²", "AE²", kMetresPerAstronomicalUnit},
    {"Lichtjahre²", "Lichtjahre²", kMetresPerLightYear},
    {"Parsec²", "Parsec²", kMetresPerParsec},
}};
inline constexpr std::array<UnitEntry, 11> kVolumeUnits = {{
    {"pm³ Pico e-12", "pm³", -12},
    {"nm³ Nano e-9", "nm³", -9},
    {"µm³ Mikro e-6", "µm³", -6},
    {"mm³ Milli e-3", "mm³", -3},
    {"cm³ Milliliter e-2", "cm³", -2},
    {"dm³ Liter e-1", "dm³", -1},
    {"m³", "m³", 0},
    {"km³ Kilo e+3", "km³", 3},
    {"AE³", "AE³", kMetresPerAstronomicalUnit},
    {"Lichtjahre³", "Lichtjahre³", kMetresPerLightYear},
    {"Parsec³", "Parsec³", kMetresPerParsec},
}};

std::span<const UnitEntry> MainUnits(Quantity quantity);

// Index of each main-window unit list that a first start selects (MHz, m, ns, m², m³).
inline constexpr std::array<int, kQuantityCount> kDefaultMainUnitIndex = {4, 5, 3, 6, 6};

// The unit lists of the converter window: its frequencies are the main window's.
inline constexpr std::array<UnitEntry, 6> kConverterFrequencyUnits = kFrequencyUnits;
inline constexpr std::array<UnitEntry, 5> kConverterWavelengthUnits = {{
    {"µm Mikro e-6", "µm", -6},
    {"mm Milli e-3", "mm", -3},
    {"cm Centi e-2", "cm", -2},
    {"m", "m", 0},
    {"km Kilo e+3", "km", 3},
}};
// The decimal prefixes; the empty entry in the middle is no prefix.
inline constexpr std::array<UnitEntry, 15> kPrefixes = {{
    {"Atto e-18", "Atto", -18},
    {"Femto e-15", "Femto", -15},
    {"Pico e-12", "Pico", -12},
    {"Nano e-9", "Nano", -9},
    {"Mikro e-6", "Mikro", -6},
    {"Milli e-3", "Milli", -3},
    {"Centi e-2", "Centi", -2},
    {"Dezi e-1", "Dezi", -1},
    kNoUnit,
    {"Deka e+1", "Deka", 1},
    {"Hekto e+2", "Hekto", 2},
    {"Kilo e+3", "Kilo", 3},
    {"Mega e+6", "Mega", 6},
    {"Giga e+9", "Giga", 9},
    {"Tera e+12", "Tera", 12},
}};

// The entry at `index` of a list; kNoUnit where the list has none (nothing chosen).
inline const UnitEntry& UnitAt(std::span<const UnitEntry> list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size()
               ? list[static_cast<std::size_t>(index)]
               : kNoUnit;
}

}  // namespace kolvenar
