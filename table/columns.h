#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/resonance.h"
#include "table/result_table.h"
#include "table/table_request.h"

namespace kolvenar {

// The optional columns of the request, in table order: the quantities, then in a search with
// the deviation shown "Treffer" and "Abweichung in %".
std::vector<ColumnSource> ChooseColumns(const TableRequest& request);

// Header texts of every column, the four fixed ones first ("", "Element", "Z", "N"); numbers
// in table number text with the given decimal separator ("f * 2 in Hz").
std::vector<std::string> ColumnHeaders(const TableRequest& request,
                                       const std::vector<ColumnSource>& columns,
                                       std::string_view decimalSeparator);

// A quantity column's title without its unit ("L", "f * 0,5", "A / 2").
std::string QuantityTitle(const TableRequest& request, ColumnSource source,
                          std::string_view decimalSeparator);

// The shown value of a quantity column for one computed quantity set: in its unit and rounded
// when rounding is on; an overflow is an infinity.
// (Inline: a run calls them for every cell of up to 212,518 rows.)
class CellRule {
public:
    CellRule(const TableRequest& request, ColumnSource source);
    double Value(const ResonanceValues& values, bool rounding) const {
        if (values.*overflow_) {
            return std::numeric_limits<double>::infinity();
        }
        return RoundForDisplay(ApplyUnitScale(toUnit_, values.*value_), rounding);
    }
    // The computed value and whether it overflowed, in base units.
    double Raw(const ResonanceValues& values) const { return values.*value_; }
    bool Overflowed(const ResonanceValues& values) const { return values.*overflow_; }

private:
    const double ResonanceValues::*value_;
    const bool ResonanceValues::*overflow_;
    UnitScale toUnit_;
};

}  // namespace kolvenar
