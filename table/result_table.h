#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>
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

    // `values` holds one value per column that holds one, in column order.
    void AppendRow(int z, double n, const double* values) {
        keys_.push_back(RowKey{n, static_cast<std::uint8_t>(z)});
        values_.insert(values_.end(), values, values + valueCount_);
    }
    void AppendRows(const ResultTable& other) {
        keys_.insert(keys_.end(), other.keys_.begin(), other.keys_.end());
        values_.insert(values_.end(), other.values_.begin(), other.values_.end());
    }

    // Rows added or dropped at the end; added rows hold anything until written with SetKey and
    // through RowValues, which several threads may do at once for rows of their own.
    void Resize(std::size_t rows) {
        keys_.resize(rows);
        values_.resize(rows * valueCount_);
    }
    void SetKey(std::size_t row, int z, double n) {
        keys_[row] = RowKey{n, static_cast<std::uint8_t>(z)};
    }
    // The row's values, in column order; the next row's follow.
    double* RowValues(std::size_t row) { return values_.data() + row * valueCount_; }

private:
    struct RowKey {
        double n;
        std::uint8_t z;
    };
    // Leaves what it makes room for unwritten: a run writes every row it adds, on several
    // threads, and a table of 212,518 rows would otherwise be cleared on one first.
    template <typename T>
    struct UnwrittenAllocator : std::allocator<T> {
        UnwrittenAllocator() = default;
        template <typename U>
        UnwrittenAllocator(const UnwrittenAllocator<U>&) {}
        template <typename U>
        void construct(U* place) {
            ::new (static_cast<void*>(place)) U;
        }
        template <typename U, typename... Arguments>
        void construct(U* place, Arguments&&... arguments) {
            ::new (static_cast<void*>(place)) U(std::forward<Arguments>(arguments)...);
        }
    };

    std::vector<const ColumnKind*> columns_;
    std::vector<int> valuePlaces_;
    std::size_t valueCount_ = 0;
    std::vector<RowKey, UnwrittenAllocator<RowKey>> keys_;
    std::vector<double, UnwrittenAllocator<double>> values_;
};

}  // namespace kolvenar
