#include "output/table_sort.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>

#include "core/elements.h"

namespace kolvenar {

namespace {

constexpr int kFixedColumns = 4;

// Index = Z: the place of the element's name in German alphabetical order.
const std::array<double, kElementCount + 1>& NameRanks() {
    static const std::array<double, kElementCount + 1> ranks = [] {
        QCollator collator(QLocale(QLocale::German, QLocale::Germany));
        std::array<QString, kElementCount + 1> names;
        std::vector<int> order;
        for (int z = 1; z <= kElementCount; ++z) {
            const std::string_view name = ElementName(z);
            names[static_cast<std::size_t>(z)] =
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
            order.push_back(z);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return collator.compare(names[static_cast<std::size_t>(a)],
                                    names[static_cast<std::size_t>(b)]) < 0;
        });
        std::array<double, kElementCount + 1> result{};
        for (std::size_t place = 0; place < order.size(); ++place) {
            result[static_cast<std::size_t>(order[place])] = static_cast<double>(place);
        }
        return result;
    }();
    return ranks;
}

double KeyValue(const ResultTable& table, const SortKey& key, std::size_t row, int valueColumn) {
    switch (key.kind) {
        case SortKey::Kind::Element:
            return NameRanks()[static_cast<std::size_t>(table.ElementAt(row))];
        case SortKey::Kind::Z:
            return table.ElementAt(row);
        case SortKey::Kind::N:
            return table.NAt(row);
        case SortKey::Kind::Value:
            break;
    }
    return table.ValueAt(row, static_cast<std::size_t>(valueColumn));
}

}  // namespace

std::vector<std::uint32_t> SortedRows(const ResultTable& table, const SortKey& key) {
    const int column = ColumnOfSortKey(table, key);
    // One ascending sort on (key, built position): the descending order negates the numbers,
    // and "Überlauf" (any non-finite value) becomes the largest key either way.
    std::vector<std::pair<double, std::uint32_t>> keyed(table.RowCount());
    for (std::size_t row = 0; row < keyed.size(); ++row) {
        const double value = column < 0 ? 0 : KeyValue(table, key, row, column - kFixedColumns);
        const double sortValue = !std::isfinite(value) ? std::numeric_limits<double>::infinity()
                                 : key.descending      ? -value
                                                       : value;
        keyed[row] = {sortValue, static_cast<std::uint32_t>(row)};
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint32_t> order(keyed.size());
    std::transform(keyed.begin(), keyed.end(), order.begin(),
                   [](const auto& entry) { return entry.second; });
    return order;
}

std::optional<SortKey> SortKeyOfColumn(const ResultTable& table, int column) {
    if (column >= 1 && column < kFixedColumns) {
        return SortKey{static_cast<SortKey::Kind>(column - 1)};
    }
    const int value = column - kFixedColumns;
    if (value >= 0 && value < static_cast<int>(table.Columns().size())) {
        return SortKey{SortKey::Kind::Value, table.Columns()[static_cast<std::size_t>(value)]};
    }
    return std::nullopt;
}

int ColumnOfSortKey(const ResultTable& table, const SortKey& key) {
    if (key.kind != SortKey::Kind::Value) {
        return static_cast<int>(key.kind) + 1;
    }
    const auto& columns = table.Columns();
    const auto found = std::find(columns.begin(), columns.end(), key.source);
    return found == columns.end() ? -1 : kFixedColumns + static_cast<int>(found - columns.begin());
}

}  // namespace kolvenar
