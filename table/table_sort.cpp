#include "table/table_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <numeric>
#include <span>
#include <string>
#include <utility>

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

double KeyValue(const ResultTable& table, const SortKey& key, std::size_t row, int column) {
    const double number = table.NumberAt(row, column);
    switch (key.column->sort) {
        case SortRule::ByName:
            return NameRanks()[static_cast<std::size_t>(number)];
        // The nearest hit first, whichever side of the target it lies.
        case SortRule::BySize:
            return std::fabs(number);
        case SortRule::ByNumber:
        case SortRule::None:
            break;
    }
    return number;
}

// The bits of a double as an unsigned number in the order of the values: the sign bit set
// for positives, every bit flipped for negatives. -0 is made 0 first, so that they tie.
std::uint64_t OrderedBits(double value) {
    constexpr std::uint64_t kSign = std::uint64_t{1} << 63;
    const auto bits = std::bit_cast<std::uint64_t>(value == 0 ? 0.0 : value);
    return (bits & kSign) != 0 ? ~bits : bits | kSign;
}

// A row's sort key and its built position.
struct Keyed {
    std::uint64_t key;
    std::uint32_t row;
};

// A step of the radix sort takes as many bits as its range has binary digits, from 5 to 12.
constexpr int kLeastDigitBits = 5;
constexpr int kMostDigitBits = 12;
// Ranges this short are sorted by insertion.
constexpr std::size_t kShortRange = 32;
constexpr int kMostLevels = 64 / kLeastDigitBits + 1;
using BucketCounts = std::array<std::array<std::uint32_t, 1u << kMostDigitBits>, kMostLevels>;

// Stable: a key moves only past greater ones.
void InsertionSort(Keyed* data, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i) {
        const Keyed moving = data[i];
        std::size_t j = i;
        for (; j > 0 && data[j - 1].key > moving.key; --j) {
            data[j] = data[j - 1];
        }
        data[j] = moving;
    }
}

// Orders `data` by key, equal keys in the order they stand in: a radix sort from the highest
// bit in which the keys differ, each step stable; ranges of equal keys are left as they are.
// `temp` has room for as many.
void RadixSort(Keyed* data, Keyed* temp, std::size_t count, BucketCounts& counts, int level) {
    if (count <= kShortRange) {
        InsertionSort(data, count);
        return;
    }
    std::uint64_t differing = 0;
    for (std::size_t i = 1; i < count; ++i) {
        differing |= data[i].key ^ data[0].key;
    }
    if (differing == 0) {
        return;
    }
    const int digitBits =
        std::clamp(static_cast<int>(std::bit_width(count)), kLeastDigitBits, kMostDigitBits);
    const int shift = std::max(63 - std::countl_zero(differing) - (digitBits - 1), 0);
    const std::uint64_t mask = (std::uint64_t{1} << digitBits) - 1;
    const auto buckets = std::span(counts[static_cast<std::size_t>(level)]).first(mask + 1);
    std::fill(buckets.begin(), buckets.end(), 0);
    for (std::size_t i = 0; i < count; ++i) {
        ++buckets[(data[i].key >> shift) & mask];
    }
    std::uint32_t start = 0;
    for (std::uint32_t& bucket : buckets) {
        start += std::exchange(bucket, start);
    }
    for (std::size_t i = 0; i < count; ++i) {
        temp[buckets[(data[i].key >> shift) & mask]++] = data[i];
    }
    std::copy(temp, temp + count, data);
    // Each bucket now ends where the next one starts.
    std::uint32_t first = 0;
    for (const std::uint32_t end : buckets) {
        if (end - first > 1) {
            RadixSort(data + first, temp + first, end - first, counts, level + 1);
        }
        first = end;
    }
}

}  // namespace

std::vector<std::uint32_t> SortedRows(const ResultTable& table, const SortKey& key) {
    const int column = ColumnOfSortKey(table, key);
    // One ascending order of (key, built position): the descending order negates the numbers,
    // and "Überlauf" (any non-finite value) becomes the largest key either way.
    std::vector<Keyed> keyed(table.RowCount());
    for (std::size_t row = 0; row < keyed.size(); ++row) {
        const double value = column < 0 ? 0 : KeyValue(table, key, row, column);
        const double sortValue = !std::isfinite(value) ? std::numeric_limits<double>::infinity()
                                 : key.descending      ? -value
                                                       : value;
        keyed[row] = {OrderedBits(sortValue), static_cast<std::uint32_t>(row)};
    }
    std::vector<Keyed> temp(keyed.size());
    auto counts = std::make_unique<BucketCounts>();
    RadixSort(keyed.data(), temp.data(), keyed.size(), *counts, 0);
    std::vector<std::uint32_t> order(keyed.size());
    std::transform(keyed.begin(), keyed.end(), order.begin(),
                   [](const Keyed& entry) { return entry.row; });
    return order;
}

std::optional<SortKey> SortKeyOfColumn(const ResultTable& table, int column) {
    if (column < 0 || column >= table.ColumnCount()) {
        return std::nullopt;
    }
    const ColumnKind* kind = table.Columns()[static_cast<std::size_t>(column)];
    if (kind->sort == SortRule::None) {
        return std::nullopt;
    }
    return SortKey{kind};
}

int ColumnOfSortKey(const ResultTable& table, const SortKey& key) {
    const auto& columns = table.Columns();
    const auto found = std::find(columns.begin(), columns.end(), key.column);
    return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
}

}  // namespace kolvenar
