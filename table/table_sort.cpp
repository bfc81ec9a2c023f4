#include "table/table_sort.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>

#include "core/elements.h"

namespace kolvenar {

namespace {

// A name as German dictionaries order it: case ignored, an umlaut as its base letter, ß as ss,
// the star of an artificial element passed over.
std::string GermanSortKey(std::string_view name) {
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if ((c & 0x80) == 0) {
            // The names' only plain characters are letters, taken in lower case, and the star.
            if (c != '*') {
                key += static_cast<char>(c | 0x20);
            }
        } else if (c == 0xC3 && i + 1 < name.size()) {
            switch (static_cast<unsigned char>(name[++i])) {
                case 0xA4:  // ä
                case 0x84:  // Ä
                    key += 'a';
                    break;
                case 0xB6:  // ö
                case 0x96:  // Ö
                    key += 'o';
                    break;
                case 0xBC:  // ü
                case 0x9C:  // Ü
                    key += 'u';
                    break;
                case 0x9F:  // ß
                    key += "ss";
                    break;
                default:
                    break;
            }
        }
    }
    return key;
}

// Index = Z: the place of the element's name in German alphabetical order.
const std::array<double, kElementCount + 1>& NameRanks() {
    static const std::array<double, kElementCount + 1> ranks = [] {
        std::array<std::string, kElementCount + 1> keys;
        std::vector<int> order;
        for (int z = 1; z <= kElementCount; ++z) {
            keys[static_cast<std::size_t>(z)] = GermanSortKey(ElementName(z));
            order.push_back(z);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
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
    const double value = table.ValueAt(row, static_cast<std::size_t>(valueColumn));
    // The nearest hit first, whichever side of the target it lies.
    return key.source == ColumnSource::Deviation ? std::fabs(value) : value;
}

}  // namespace

std::vector<std::uint32_t> SortedRows(const ResultTable& table, const SortKey& key) {
    const int column = ColumnOfSortKey(table, key);
    // One ascending sort on (key, built position): the descending order negates the numbers,
    // and "Überlauf" (any non-finite value) becomes the largest key either way.
    std::vector<std::pair<double, std::uint32_t>> keyed(table.RowCount());
    for (std::size_t row = 0; row < keyed.size(); ++row) {
        const double value = column < 0 ? 0 : KeyValue(table, key, row, column - kFixedColumnCount);
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
    if (column >= 1 && column < kFixedColumnCount) {
        return SortKey{static_cast<SortKey::Kind>(column - 1)};
    }
    const int value = column - kFixedColumnCount;
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
    return found == columns.end() ? -1
                                  : kFixedColumnCount + static_cast<int>(found - columns.begin());
}

}  // namespace kolvenar
