#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "multisearch/ranking.h"

namespace kolvenar {

// What the hit picture shows: the first elements of a ranking, in its order, against the
// measured values, in the order of the list. Each cell holds the N of the element's nearest
// value and |deviation| ÷ tolerance, where the element explains the value.
class HitGrid {
public:
    // The most elements the picture shows.
    static constexpr int kMostElements = 30;

    struct Cell {
        // |deviation| ÷ tolerance, from 0 to 1; negative where the value is not explained.
        float ratio = -1;
        std::int16_t n = 0;

        bool Explained() const { return ratio >= 0; }
    };

    HitGrid() = default;
    // The matcher must be the one the ranking was made with.
    HitGrid(const MultiMatcher& matcher, const Ranking& ranking,
            std::span<const MeasuredValue> values);

    int ElementCount() const { return static_cast<int>(elements_.size()); }
    int ValueCount() const { return static_cast<int>(values_.size()); }
    bool Empty() const { return elements_.empty() || values_.empty(); }
    // Z of row `row`, the measured value of column `column`, and their cell.
    int Element(int row) const { return elements_[static_cast<std::size_t>(row)]; }
    double Value(int column) const { return values_[static_cast<std::size_t>(column)]; }
    const Cell& At(int row, int column) const {
        return cells_[static_cast<std::size_t>(row) * values_.size() +
                      static_cast<std::size_t>(column)];
    }

private:
    std::vector<int> elements_;
    std::vector<double> values_;
    std::vector<Cell> cells_;
};

}  // namespace kolvenar
