#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/resonance.h"
#include "core/units.h"
#include "table/table_request.h"

namespace kolvenar {

// Where the cells of a column come from: the row's key (its element by name, Z, N), a computed
// quantity, or in a search the test a row passed nearest and by how much. The table's first
// column is blank.
enum class CellSource : std::uint8_t { Blank, Element, Z, N, Quantity, Hit, Deviation };

// How a column sorts: not at all, by its numbers, by their size whatever their sign, or by the
// elements' German names.
enum class SortRule : std::uint8_t { None, ByNumber, BySize, ByName };

// Where a column's unit comes from: none, the unit list of a quantity, or a unit of its own.
struct ColumnUnit {
    enum class From : std::uint8_t { None, QuantityList, Own };
    From from = From::None;
    Quantity quantity = Quantity::Frequency;
    UnitRow own = kNoUnit;
};

constexpr ColumnUnit UnitOf(Quantity quantity) {
    return {ColumnUnit::From::QuantityList, quantity, kNoUnit};
}
constexpr ColumnUnit OwnUnit(const UnitRow& unit) {
    return {ColumnUnit::From::Own, Quantity::Frequency, unit};
}

// One kind of column: the name code knows it by, where its cells come from (for a quantity the
// computed value, in base units, and the flag that turns it into "Überlauf"), its title rule
// (title, the wished factor written after it, " in " and the unit's name), where its unit comes
// from, when a run shows it and how it sorts. The result table's columns are the kinds a
// request shows, in the order of their rows.
struct ColumnKind {
    std::string_view name;
    CellSource source = CellSource::Blank;
    std::string_view title;
    double TableRequest::*titleFactor = nullptr;
    ColumnUnit unit;
    const double ResonanceValues::*value = nullptr;
    const bool ResonanceValues::*overflow = nullptr;
    bool (*shown)(const TableRequest&) = nullptr;
    SortRule sort = SortRule::None;
};

namespace column_rules {

constexpr bool Always(const TableRequest&) {
    return true;
}
template <Quantity quantity>
constexpr bool Ticked(const TableRequest& request) {
    return request.quantityShown[static_cast<std::size_t>(quantity)];
}
constexpr bool FactorOnF(const TableRequest& request) {
    return request.wunschfaktorF != 0;
}
constexpr bool FactorOnL(const TableRequest& request) {
    return request.wunschfaktorL != 0;
}
constexpr bool HalfArea(const TableRequest& request) {
    return request.showAHalf;
}
constexpr bool HalfVolume(const TableRequest& request) {
    return request.showVHalf;
}
constexpr bool QuarterVolume(const TableRequest& request) {
    return request.showVQuarter;
}
constexpr bool DeviationShown(const TableRequest& request) {
    return request.searchMode && request.showDeviation;
}

}  // namespace column_rules

namespace column_rows {

using RV = ResonanceValues;
using TR = TableRequest;
using namespace column_rules;
constexpr CellSource kQuantity = CellSource::Quantity;
constexpr SortRule kByNumber = SortRule::ByNumber;

// Each row: name, cells from, title, wished factor after the title, unit, value and overflow
// flag of a quantity, when shown, how sorted.
// clang-format off
inline constexpr auto kRows = std::to_array<ColumnKind>({
    {"Blank", CellSource::Blank, "", nullptr, {}, nullptr, nullptr, Always, SortRule::None},
    {"Element", CellSource::Element, "Element", nullptr, {}, nullptr, nullptr, Always,
     SortRule::ByName},
    {"Z", CellSource::Z, "Z", nullptr, {}, nullptr, nullptr, Always, kByNumber},
    {"N", CellSource::N, "N", nullptr, {}, nullptr, nullptr, Always, kByNumber},
    {"f", kQuantity, "f", nullptr, UnitOf(Quantity::Frequency), &RV::f, &RV::fOverflow,
     Ticked<Quantity::Frequency>, kByNumber},
    {"fFactor", kQuantity, "f", &TR::wunschfaktorF, UnitOf(Quantity::Frequency), &RV::fFactor,
     &RV::fFactorOverflow, FactorOnF, kByNumber},
    {"L", kQuantity, "L", nullptr, UnitOf(Quantity::Wavelength), &RV::L, &RV::LOverflow,
     Ticked<Quantity::Wavelength>, kByNumber},
    {"LFactor", kQuantity, "L", &TR::wunschfaktorL, UnitOf(Quantity::Wavelength), &RV::LFactor,
     &RV::LFactorOverflow, FactorOnL, kByNumber},
    {"T", kQuantity, "T", nullptr, UnitOf(Quantity::Period), &RV::T, &RV::TOverflow,
     Ticked<Quantity::Period>, kByNumber},
    {"A", kQuantity, "A", nullptr, UnitOf(Quantity::Area), &RV::A, &RV::AOverflow,
     Ticked<Quantity::Area>, kByNumber},
    {"AHalf", kQuantity, "A / 2", nullptr, UnitOf(Quantity::Area), &RV::AHalf, &RV::AOverflow,
     HalfArea, kByNumber},
    {"V", kQuantity, "V", nullptr, UnitOf(Quantity::Volume), &RV::V, &RV::VOverflow,
     Ticked<Quantity::Volume>, kByNumber},
    {"VHalf", kQuantity, "V / 2", nullptr, UnitOf(Quantity::Volume), &RV::VHalf, &RV::VOverflow,
     HalfVolume, kByNumber},
    {"VQuarter", kQuantity, "V / 4", nullptr, UnitOf(Quantity::Volume), &RV::VQuarter,
     &RV::VOverflow, QuarterVolume, kByNumber},
    // The hit sorts by the order of the tests, the deviation closest first.
    {"Hit", CellSource::Hit, "Treffer", nullptr, {}, nullptr, nullptr, DeviationShown, kByNumber},
    {"Deviation", CellSource::Deviation, "Abweichung in %", nullptr, {}, nullptr, nullptr,
     DeviationShown, SortRule::BySize},
});
// clang-format on

}  // namespace column_rows

// Every kind of column the program knows, in table order.
inline constexpr std::span<const ColumnKind> kColumnKinds = column_rows::kRows;

// The kind code names `name`; a name no row has does not compile.
consteval const ColumnKind& Kind(std::string_view name) {
    for (const ColumnKind& kind : column_rows::kRows) {
        if (kind.name == name) {
            return kind;
        }
    }
    throw "no column kind of this name";
}

// The columns a request shows: the kinds whose rule says so, in the order of `kinds`.
std::vector<const ColumnKind*> ChooseColumns(const TableRequest& request,
                                             std::span<const ColumnKind> kinds = kColumnKinds);

// The title of every column; numbers in table number text with the given decimal separator
// ("f * 2 in Hz").
std::vector<std::string> ColumnHeaders(const TableRequest& request,
                                       const std::vector<const ColumnKind*>& columns,
                                       std::string_view decimalSeparator);

// A column's title without its unit ("L", "f * 0,5", "A / 2").
std::string QuantityTitle(const TableRequest& request, const ColumnKind& kind,
                          std::string_view decimalSeparator);

// The unit a column's values are shown in; kNoUnit for a column without one.
const UnitRow& ColumnUnitOf(const TableRequest& request, const ColumnKind& kind);

// The shown value of a quantity column for one computed quantity set: in its unit and rounded
// when rounding is on; an overflow is an infinity.
class CellRule {
public:
    CellRule(const TableRequest& request, const ColumnKind& kind);
    // The value of each of `sets`, written `stride` doubles apart from `out` on: a column at a
    // time, with the unit's conversion and the rounding chosen once.
    void Values(std::span<const ResonanceValues> sets, bool rounding, double* out,
                std::size_t stride) const;
    // The computed value and whether it overflowed, in base units.
    double Raw(const ResonanceValues& values) const { return values.*value_; }
    bool Overflowed(const ResonanceValues& values) const { return values.*overflow_; }

private:
    const double ResonanceValues::*value_;
    const bool ResonanceValues::*overflow_;
    UnitConversion toUnit_;
};

}  // namespace kolvenar
