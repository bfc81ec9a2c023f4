#pragma once

#include <cstdint>
#include <vector>

#include "table/columns.h"

namespace kolvenar {

// The rows of a result table, kept compact: per row the element, N and the shown value of
// each column that holds one (a quantity already in its unit and rounded, an overflow as an
// infinity; a search's hit as the test's place in kSearchTests, and its deviation). Texts are
// made only when somebody looks at a cell.
class ResultTable {
public:
    ResultTable() = default;
    // `columns` are every column of the table, in the order shown.
    explicit ResultTable(std::vector<const ColumnKind*> columns) : columns_(std::move(columns)) {
        for (const ColumnKind* kind : columns_) {
            const bool holdsValue = kind->source == CellSource::Quantity ||
                                    kind->source == CellSource::Hit ||
                                    kind->source == CellSource::Deviation;
            valuePlaces_.push_back(holdsValue ? static_cast<int>(valueCount_++) : -1);
        }
    }

    const std::vector<const ColumnKind*>& Columns() const { return columns_; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    std::size_t RowCount() const { return keys_.size(); }
    // The values a row holds, one per column that is not part of the row's key.
    std::size_t ValueCount() const { return valueCount_; }
    // The place of a column's value in its row; -1 for the blank column and the key's columns.
    int ValuePlace(int column) const { return valuePlaces_[static_cast<std::size_t>(column)]; }

    int ElementAt(std::size_t row) const { return keys_[row].z; }
    double NAt(std::size_t row) const { return keys_[row].n; }
    double ValueAt(std::size_t row, std::size_t value) const {
        return values_[row * valueCount_ + value];
    }
    // The number a cell of the table holds: Z in the element's columns, N, or the value.
    double NumberAt(std::size_t row, int column) const {
        switch (columns_[static_cast<std::size_t>(column)]->source) {
            case CellSource::Element:
            case CellSource::Z:
                return ElementAt(row);
            case CellSource::N:
                return NAt(row);
            case CellSource::Blank:
                return 0;
            default:
                return ValueAt(row, static_cast<std::size_t>(ValuePlace(column)));
        }
    }

    void Reserve(std::size_t rows) {
        keys_.reserve(rows);
        values_.reserve(rows * valueCount_);
    }

    // `values` holds one value per column that holds one, in column order.
    void AppendRow(int z, double n, const double* values) {
        keys_.push_back(RowKey{n, static_cast<std::uint8_t>(z)});
        values_.insert(values_.end(), values, values + valueCount_);
    }

private:
    struct RowKey {
        double n;
        std::uint8_t z;
    };

    std::vector<const ColumnKind*> columns_;
    std::vector<int> valuePlaces_;
    std::size_t valueCount_ = 0;
    std::vector<RowKey> keys_;
    std::vector<double> values_;
};

}  // namespace kolvenar
