// The order of a sorted table: numbers by value, deviations by their size, "Überlauf" after
// every number, ties in the built order. (Names: table_builder_test; header clicks: fm_main_test.)
#include "table/shown_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>
#include <tuple>

using namespace kolvenar;

namespace {

constexpr int kN = 3;
constexpr int kL = 4;
constexpr int kDeviation = 5;

ShownTable Shown(ResultTable table) {
    ShownTable shown;
    shown.SetHeaders({"", "Element", "Z", "N", "L in m", "Abweichung in %"});
    shown.SetRows(std::move(table));
    return shown;
}

// The built positions of the rows as shown, "3 0 1 …".
std::string Order(const ShownTable& shown) {
    std::string order;
    for (std::size_t row = 0; row < shown.RowCount(); ++row) {
        order += (row > 0 ? " " : "") + std::to_string(shown.BuiltRow(row));
    }
    return order;
}

}  // namespace

TEST(TableSort, NumbersZerosOverflowsAndTies) {
    // Rows 0 to 7: N, L and the deviation.
    const double n[] = {3, -2, 3, 0.5, -2, 0, -0.0, 7};
    const double l[] = {0, -0.0, 2, -3, HUGE_VAL, NAN, -HUGE_VAL, 2};
    const double deviation[] = {-1, 1, 0.5, -0.5, 2, -0.0, 0, HUGE_VAL};
    ResultTable table({ColumnSource::L, ColumnSource::Deviation});
    for (int row = 0; row < 8; ++row) {
        const double values[] = {l[row], deviation[row]};
        table.AppendRow(1, n[row], values);
    }
    ShownTable shown = Shown(std::move(table));
    using Case = std::tuple<int, bool, const char*>;
    for (const auto& [column, descending, order] :
         {Case{kN, false, "1 4 5 6 3 0 2 7"}, Case{kN, true, "7 0 2 3 5 6 1 4"},
          // -0 ties with 0; every "Überlauf" (also from -inf) comes last either way.
          Case{kL, false, "3 0 1 2 7 4 5 6"}, Case{kL, true, "2 7 0 1 3 4 5 6"},
          // The nearest hit first, whichever side of the target it lies.
          Case{kDeviation, false, "5 6 2 3 0 1 4 7"}, Case{kDeviation, true, "4 0 1 2 3 5 6 7"}}) {
        shown.SortBy(column, descending);
        EXPECT_EQ(Order(shown), order) << column << (descending ? " descending" : "");
    }
    shown.ShowBuiltOrder();
    EXPECT_EQ(Order(shown), "0 1 2 3 4 5 6 7");
}

// Many rows of values from every binade, small whole numbers that tie, zeros of both signs
// and overflows: each row after its predecessor in value, or equal and built later.
TEST(TableSort, PropertyOrderedByValueThenBuiltPosition) {
    std::mt19937_64 engine(20261207);
    const auto value = [&engine] {
        switch (engine() % 4) {
            case 0:
                return static_cast<double>(static_cast<int>(engine() % 7) - 3);
            case 1: {
                const double pool[] = {0.0, -0.0, HUGE_VAL, -HUGE_VAL, NAN, 5e-324, -1e308};
                return pool[engine() % 7];
            }
            default: {
                const double x = std::bit_cast<double>(engine());
                return std::isnan(x) ? 1.5 : x;
            }
        }
    };
    ResultTable table({ColumnSource::L, ColumnSource::Deviation});
    for (int row = 0; row < 20000; ++row) {
        const double values[] = {value(), value()};
        table.AppendRow(1 + static_cast<int>(engine() % 118), value(), values);
    }
    ShownTable shown = Shown(std::move(table));
    for (int column : {kN, kL, kDeviation}) {
        for (bool descending : {false, true}) {
            shown.SortBy(column, descending);
            const auto key = [&](std::size_t built) {
                const ResultTable& t = shown.Table();
                const double x = column == kN ? t.NAt(built) : t.ValueAt(built, column - kL);
                if (!std::isfinite(x)) {
                    return HUGE_VAL;
                }
                const double size = column == kDeviation ? std::fabs(x) : x;
                return descending ? -size : size;
            };
            std::vector<bool> seen(shown.RowCount());
            for (std::size_t row = 0; row < shown.RowCount(); ++row) {
                const std::size_t built = shown.BuiltRow(row);
                ASSERT_FALSE(seen[built]);
                seen[built] = true;
                if (row > 0) {
                    const std::size_t before = shown.BuiltRow(row - 1);
                    ASSERT_TRUE(key(before) < key(built) ||
                                (key(before) == key(built) && before < built))
                        << column << (descending ? " descending, row " : ", row ") << row;
                }
            }
        }
    }
}
