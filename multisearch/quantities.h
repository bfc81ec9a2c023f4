#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "core/units.h"

namespace kolvenar {

// What a list of measured values can be: the main window's five quantities, in the same order,
// and two that spectroscopists use, the photon energy E = h × f and the wavenumber 1 / L.
enum class MultiQuantity { Frequency, Wavelength, Period, Area, Volume, Energy, Wavenumber };
inline constexpr int kMultiQuantityCount = 7;

// Both exact by definition.
inline constexpr double kPlanckConstant = 6.62607015E-34;  // J s

// One quantity: the name its list shows, the letter and the plain spelling the command line
// takes, how many octaves lie between the values of neighbouring N, and the unit chosen when
// nothing else is.
struct QuantityRow {
    MultiQuantity quantity;
    std::string_view name;
    std::string_view symbol;
    std::string_view plainName;
    int octaves;
    // The stored number of the unit chosen when nothing else is.
    int firstStartUnit;
};

inline constexpr std::array<QuantityRow, kMultiQuantityCount> kQuantityRows = {{
    {MultiQuantity::Frequency, "Frequenz", "f", "Frequenz", 1, kFirstStartMainUnits[0]},
    {MultiQuantity::Wavelength, "Wellenlänge", "L", "Wellenlaenge", 1, kFirstStartMainUnits[1]},
    {MultiQuantity::Period, "Periodendauer", "T", "Periodendauer", 1, kFirstStartMainUnits[2]},
    {MultiQuantity::Area, "Fläche", "A", "Flaeche", 2, kFirstStartMainUnits[3]},
    {MultiQuantity::Volume, "Volumen", "V", "Volumen", 3, kFirstStartMainUnits[4]},
    {MultiQuantity::Energy, "Energie", "E", "Energie", 1, 1},
    {MultiQuantity::Wavenumber, "Wellenzahl", "k", "Wellenzahl", 1, 0},
}};

inline const QuantityRow& RowOf(MultiQuantity quantity) {
    return kQuantityRows[static_cast<std::size_t>(quantity)];
}

// The units a quantity's list offers: the main window's for its five quantities.
std::span<const UnitRow> QuantityUnits(MultiQuantity quantity);

// A unit of one of the lists.
struct UnitChoice {
    MultiQuantity quantity;
    int index;
};

// The unit a user or a line list names: its short name as the list gives it ("nm", "µm",
// "eV", "1/cm"), or a common spelling of it ("um", "angstroms", "cm-1", "m2"), in any case
// where that leaves no doubt ("NM", but not "mhz").
std::optional<UnitChoice> FindUnit(std::string_view text);

// The quantity a user names: its letter or its name, in any case ("L", "wellenlänge").
std::optional<MultiQuantity> FindQuantity(std::string_view text);

}  // namespace kolvenar
