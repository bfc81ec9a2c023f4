#include "multisearch/matcher.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace kolvenar {

namespace {

// Octaves per step of N: L and T double, f, E and 1 / L halve, A and V grow by two and three.
constexpr std::array<int, kMultiQuantityCount> kExponents = {-1, 1, 1, 2, 3, -1, -1};

constexpr int kNCount = kMultiHighestN - kMultiLowestN + 1;

struct Point {
    int n;
    double value;
};

double Distance(double value, double target) {
    return value > target ? value - target : target - value;
}

// log2 of the value where L is 1 m, as the sequence over N has it (the last bits aside).
double LogConstant(MultiQuantity quantity, const ResonanceParameters& parameters) {
    // A and V go into the unit twice or three times and come back once.
    const bool volume = quantity == MultiQuantity::Volume;
    const double logUnit =
        std::log2(ApplyUnitScale(volume ? parameters.volumeToUnit : parameters.areaToUnit, 1.0));
    const double logBack =
        std::log2(ApplyUnitScale(volume ? parameters.volumeToBase : parameters.areaToBase, 1.0));
    switch (quantity) {
        case MultiQuantity::Frequency:
            return std::log2(kSpeedOfLight);
        case MultiQuantity::Period:
            return -std::log2(kSpeedOfLight);
        case MultiQuantity::Area:
            return 2 * logUnit + logBack;
        case MultiQuantity::Volume:
            return 3 * logUnit + logBack;
        case MultiQuantity::Energy:
            return std::log2(kPlanckConstant) + std::log2(kSpeedOfLight);
        default:
            return 0;
    }
}

}  // namespace

MultiMatcher::MultiMatcher(const MultiSearchRequest& request)
    : request_(request),
      parameters_(MakeResonanceParameters(
          request.cx, 0, 0, request.quantity == MultiQuantity::Area ? request.unit.factor : 0,
          request.quantity == MultiQuantity::Volume ? request.unit.factor : 0)),
      toBase_(ScaleToBase(request.unit)),
      toUnit_(ScaleToUnit(request.unit)),
      exponent_(kExponents[static_cast<std::size_t>(request.quantity)]) {
    for (int z = 1; z <= kElementCount; ++z) {
        FindRange(z);
    }
    cache_.assign(static_cast<std::size_t>(kElementCount * kNCount),
                  std::numeric_limits<double>::quiet_NaN());
}

double MultiMatcher::CachedValue(int z, int n) const {
    double& value = cache_[static_cast<std::size_t>((z - 1) * kNCount + (n - kMultiLowestN))];
    if (std::isnan(value)) {
        Evaluate(z, n, value);
    }
    return value;
}

double MultiMatcher::Target(double measured) const {
    const double target = ApplyUnitScale(toBase_, measured);
    return std::isfinite(target) ? target : 0;
}

bool MultiMatcher::Evaluate(int z, int n, double& value) const {
    ResonanceValues v;
    if (ComputeResonanceValues(parameters_, z, n, v)) {
        return false;
    }
    switch (request_.quantity) {
        case MultiQuantity::Frequency:
            value = v.f;
            return !v.fOverflow;
        case MultiQuantity::Wavelength:
            value = v.L;
            return !v.LOverflow;
        case MultiQuantity::Period:
            value = v.T;
            return !v.TOverflow;
        case MultiQuantity::Area:
            value = v.A;
            return !v.AOverflow;
        case MultiQuantity::Volume:
            value = v.V;
            return !v.VOverflow;
        case MultiQuantity::Energy:
            value = kPlanckConstant * v.f;
            return !v.fOverflow && std::isfinite(value);
        case MultiQuantity::Wavenumber:
            value = 1.0 / v.L;
            return !v.LOverflow && std::isfinite(value);
    }
    return false;
}

// The N whose values can be computed lie in one run: a quantity overflows only towards one
// end or both ends of the range. The run is found from the N where L is about a metre.
void MultiMatcher::FindRange(int z) {
    ElementRange& range = ranges_[static_cast<std::size_t>(z)];
    const double cx = request_.cx;
    if (!(cx > 0) || !std::isfinite(cx)) {
        return;
    }
    const double logLength = std::log2(cx) + std::log2(static_cast<double>(z));
    range.logAtZero = exponent_ * logLength + LogConstant(request_.quantity, parameters_);

    double value = 0;
    const auto valid = [&](int n) {
        return Evaluate(z, n, value);
    };
    const int middle = static_cast<int>(
        std::clamp(std::round(-logLength), double{kMultiLowestN}, double{kMultiHighestN}));
    if (!valid(middle)) {
        return;
    }
    int invalid = kMultiLowestN - 1;
    int good = middle;
    while (good - invalid > 1) {
        const int n = invalid + (good - invalid) / 2;
        (valid(n) ? good : invalid) = n;
    }
    range.lowest = good;
    good = middle;
    invalid = kMultiHighestN + 1;
    while (invalid - good > 1) {
        const int n = good + (invalid - good) / 2;
        (valid(n) ? good : invalid) = n;
    }
    range.highest = good;
}

Assignment MultiMatcher::Match(int z, double target) const {
    return target > 0 ? Match(z, target, std::log2(target)) : Assignment{};
}

Assignment MultiMatcher::Match(int z, double target, double logTarget) const {
    const ElementRange& range = ranges_[static_cast<std::size_t>(z)];
    if (!(target > 0) || range.lowest > range.highest) {
        return {};
    }
    // The values grow with N for L, T, A and V, and shrink for f, E and 1 / L.
    const int step = exponent_ > 0 ? 1 : -1;
    const int smallest = step > 0 ? range.lowest : range.highest;
    const int largest = step > 0 ? range.highest : range.lowest;
    const double estimate = (logTarget - range.logAtZero) / exponent_;
    int n = static_cast<int>(std::round(std::clamp(estimate, static_cast<double>(range.lowest),
                                                   static_cast<double>(range.highest))));

    // The two N whose values enclose the target: one at or below it, one above it.
    std::optional<Point> below;
    std::optional<Point> above;
    double value = CachedValue(z, n);
    if (value > target) {
        above = Point{n, value};
        while (n != smallest) {
            n -= step;
            value = CachedValue(z, n);
            (value > target ? above : below) = Point{n, value};
            if (below) {
                break;
            }
        }
    } else {
        below = Point{n, value};
        while (n != largest) {
            n += step;
            value = CachedValue(z, n);
            (value > target ? above : below) = Point{n, value};
            if (above) {
                break;
            }
        }
    }
    Point nearest = below ? *below : *above;
    if (below && above) {
        const double fromBelow = Distance(below->value, target);
        const double fromAbove = Distance(above->value, target);
        if (fromAbove < fromBelow || (fromAbove == fromBelow && above->n < below->n)) {
            nearest = *above;
        }
    }
    const bool explained = WithinTolerance(nearest.value, target, request_.tolerance);
    return {explained ? Assignment::Kind::Explained : Assignment::Kind::Outside, nearest.n,
            ApplyUnitScale(toUnit_, nearest.value), ((nearest.value - target) / target) * 100};
}

}  // namespace kolvenar
