// The table builder without a window: every N of a range. (A run ending on a division by zero:
// see fm_main_test.)
#include "table/table_builder.h"

#include "core/number_text.h"
#include "table/shown_table.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kolvenar;

namespace {

// Hydrogen over an N range, every quantity in its base unit, not rounded.
TableRequest Hydrogen(double nFrom, double nTo) {
    TableRequest request;
    request.nFromScroll = nFrom;
    request.nToScroll = nTo;
    request.quantityShown.fill(true);
    request.rounding = false;
    request.cx = 2.42611E-12;
    request.elementChosen[1] = true;
    return request;
}

}  // namespace

// Adding 1 to a fraction again and again drifts; no row of a range may get lost.
TEST(RunTable, EveryFractionalOffsetKeepsTheLastRow) {
    for (int hundredths = 1; hundredths < 100; ++hundredths) {
        for (const auto& [from, to, rows] :
             {std::tuple{0, 2, 3}, {-900, 900, 1801}, {17, -5, 23}, {-3, -2, 2}}) {
            TableRequest request = Hydrogen(from, to);
            request.nOffset = hundredths / 100.0;
            const TableRun run = RunTable(request, ChooseColumns(request));
            ASSERT_EQ(static_cast<int>(run.table.RowCount()), rows);
            ASSERT_EQ(run.table.NAt(run.table.RowCount() - 1), to + hundredths / 100.0);
        }
    }
}

// Rows by element are in German alphabetical order (an umlaut as its base letter, the star
// passed over, every letter counts); the numbers take the user's separator, cut once to the room
// a number has.
TEST(ShownTable, OrderByNameAndNumbersWithAnySeparator) {
    ResultTable table({ColumnSource::L});
    for (int z : {55, 96, 58, 98, 82, 97, 56, 4, 83}) {
        const double value = z;
        table.AppendRow(z, 0.5, &value);
    }
    ShownTable shown;
    shown.SetHeaders({"", "Element", "Z", "N", "L in m"});
    shown.SetDecimalSeparator(std::string(40, ','));
    shown.SetRows(std::move(table));
    shown.CycleSort(1);
    char buffer[kNumberTextCapacity];
    std::string seen;
    for (std::size_t row = 0; row < 9; ++row) {
        seen += std::string(buffer, shown.CellText(row, 2, buffer)) + " ";
    }
    EXPECT_EQ(seen + std::string(buffer, shown.CellText(0, 3, buffer)),
              "56 97 4 83 82 98 55 58 96 0,,,,,,,,5");
}
