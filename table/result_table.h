#pragma once

#include <cstdint>
#include <vector>

namespace kolvenar {

// The columns of a result table before its values: an empty one, "Element", "Z" and "N".
inline constexpr int kFixedColumnCount = 4;

// Which value an optional column of the result table shows: a quantity, or in a search which
// test a row passed best (as the test's place in kSearchTests) and by how much.
enum class ColumnSource : std::uint8_t {
    f,
    fFactor,
    L,
    LFactor,
    T,
    A,
    AHalf,
    V,
    VHalf,
    VQuarter,
    Hit,
    Deviation
};

// The rows of a result table, kept compact: per row the element, N and the shown value of
// each optional column (already in its unit and rounded; an overflow is an infinity). Texts
// are made only when somebody looks at a cell.
class ResultTable {
public:
    ResultTable() = default;
    explicit ResultTable(std::vector<ColumnSource> columns) : columns_(std::move(columns)) {}

    const std::vector<ColumnSource>& Columns() const { return columns_; }
    std::size_t RowCount() const { return keys_.size(); }
    std::size_t ValueCount() const { return columns_.size(); }

    int ElementAt(std::size_t row) const { return keys_[row].z; }
    double NAt(std::size_t row) const { return keys_[row].n; }
    double ValueAt(std::size_t row, std::size_t column) const {
        return values_[row * columns_.size() + column];
    }

    void Reserve(std::size_t rows) {
        keys_.reserve(rows);
        values_.reserve(rows * columns_.size());
    }

    // `values` holds one value per optional column.
    void AppendRow(int z, double n, const double* values) {
        keys_.push_back(RowKey{n, static_cast<std::uint8_t>(z)});
        values_.insert(values_.end(), values, values + columns_.size());
    }

private:
    struct RowKey {
        double n;
        std::uint8_t z;
    };

    std::vector<ColumnSource> columns_;
    std::vector<RowKey> keys_;
    std::vector<double> values_;
};

}  // namespace kolvenar
