#include "ui/windows/hit_grid.h"

#include <algorithm>
#include <cmath>

namespace kolvenar {

HitGrid::HitGrid(const MultiMatcher& matcher, const Ranking& ranking,
                 std::span<const MeasuredValue> values) {
    const std::size_t shown =
        std::min(ranking.rows.size(), static_cast<std::size_t>(kMostElements));
    for (std::size_t row = 0; row < shown; ++row) {
        elements_.push_back(ranking.rows[row].z);
    }
    for (const MeasuredValue& value : values) {
        values_.push_back(value.value);
    }
    const double tolerance = matcher.Request().tolerance;
    cells_.reserve(elements_.size() * values_.size());
    for (int z : elements_) {
        for (const Assignment& a : AssignValues(matcher, z, values)) {
            Cell cell;
            if (a.kind == Assignment::Kind::Explained) {
                cell.ratio = static_cast<float>(std::min(std::fabs(a.deviation) / tolerance, 1.0));
                cell.n = static_cast<std::int16_t>(a.n);
            }
            cells_.push_back(cell);
        }
    }
}

}  // namespace kolvenar
