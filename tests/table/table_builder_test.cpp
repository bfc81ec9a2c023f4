// The table builder without a window: every N of a range, and the table's order. (A run ending
// on a division by zero: see fm_main_test.)
#include "table/table_builder.h"

#include "core/number_text.h"
#include "table/shown_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
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

// Elements shared among threads: the rows of one thread, in the elements' order; a run ending on
// a division by zero (L underflows to 0 below N -875) keeps the rows before it and no more. A
// view may lay out the rows once the first is written, while the others are computed.
TEST(RunTable, SameRowsOnOneOrTwoThreads) {
    for (const auto& [cx, search, from, rows, found, error] :
         {std::tuple{2.42611E-12, false, 900, 5403, 3, false},
          {2.42611E-12, true, 900, 3, 3, false},
          {1E-60, false, 900, 1776, 1, true},
          {1E-60, false, -900, 0, 0, true}}) {
        TableRequest request = Hydrogen(from, -from);
        request.cx = cx;
        request.searchMode = search;
        request.searchValues[1] = 0.3;
        request.tolerance = 20;
        request.showDeviation = true;
        request.elementChosen[55] = request.elementChosen[118] = true;
        const std::vector<const ColumnKind*> columns = ChooseColumns(request);
        std::vector<double> cells[2];
        for (unsigned workers : {1u, 2u}) {
            const TableRun run = RunTable(request, columns, workers);
            ASSERT_EQ(static_cast<int>(run.table.RowCount()), rows);
            ASSERT_EQ(run.FoundCount(), found);
            ASSERT_EQ(run.error.has_value(), error);
            for (std::size_t row = 0; row < run.table.RowCount(); ++row) {
                for (int column = 0; column < run.table.ColumnCount(); ++column) {
                    cells[workers - 1].push_back(run.table.NumberAt(row, column));
                }
            }
        }
        EXPECT_EQ(cells[0], cells[1]);
        ResultTable table(columns);
        TableFill fill(request, columns, table, 2);
        EXPECT_EQ(fill.FirstRowWritten(), rows > 0);
        EXPECT_EQ(static_cast<int>(fill.Finish().rows), rows);
    }
}

// Rows by element are in German alphabetical order (an umlaut as its base letter, the star
// passed over, every letter counts); the numbers take the user's separator, cut once to the room
// a number has.
TEST(ShownTable, OrderByNameAndNumbersWithAnySeparator) {
    ResultTable table({&Kind("Blank"), &Kind("Element"), &Kind("Z"), &Kind("N"), &Kind("L")});
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
        seen += std::string(buffer, shown.CellText(row, shown.ColumnOf(Kind("Z")), buffer)) + " ";
    }
    EXPECT_EQ(seen + std::string(buffer, shown.CellText(0, shown.ColumnOf(Kind("N")), buffer)),
              "56 97 4 83 82 98 55 58 96 0,,,,,,,,5");
}

// Sorted by N (3), L (4) or the deviation (5, by its size), many rows of values from every
// binade, numbers that tie, zeros of both signs and overflows: each row after its predecessor in
// value ("Überlauf" last either way), or equal and built later.
TEST(ShownTable, PropertyOrderedByValueThenBuiltPosition) {
    std::mt19937_64 engine(20261207);
    const double pool[] = {0.0, -0.0, 1, -1, 2.5, HUGE_VAL, -HUGE_VAL, NAN, 5e-324, -1e308};
    const auto value = [&] {
        const double x = std::bit_cast<double>(engine());
        return engine() % 2 != 0 ? pool[engine() % 10] : std::isnan(x) ? 1.5 : x;
    };
    ResultTable table(
        {&Kind("Blank"), &Kind("Element"), &Kind("Z"), &Kind("N"), &Kind("L"), &Kind("Deviation")});
    for (int row = 0; row < 20000; ++row) {
        const double values[] = {value(), value()};
        table.AppendRow(1, value(), values);
    }
    ShownTable shown;
    shown.SetHeaders({"", "Element", "Z", "N", "L in m", "Abweichung in %"});
    shown.SetRows(std::move(table));
    for (const auto& [column, descending] :
         {std::pair{3, false}, {3, true}, {4, false}, {4, true}, {5, false}, {5, true}}) {
        shown.SortBy(column, descending);
        const auto key = [&](std::size_t built) {
            const ResultTable& t = shown.Table();
            const double x = column == 3 ? t.NAt(built) : t.ValueAt(built, column - 4);
            const double size = column == 5 ? std::fabs(x) : x;
            return !std::isfinite(x) ? HUGE_VAL : descending ? -size : size;
        };
        std::vector<bool> seen(shown.RowCount());
        for (std::size_t row = 0; row < shown.RowCount(); ++row) {
            const std::size_t built = shown.BuiltRow(row);
            ASSERT_FALSE(seen[built]);
            seen[built] = true;
            const std::size_t before = shown.BuiltRow(row == 0 ? 0 : row - 1);
            ASSERT_TRUE(row == 0 || key(before) < key(built) ||
                        (key(before) == key(built) && before < built))
                << column << " " << descending << ", row " << row;
        }
    }
}
