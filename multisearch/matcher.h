#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/elements.h"
#include "core/resonance.h"
#include "multisearch/quantities.h"

namespace kolvenar {

// The N a list is matched over, as the main window's search covers it.
inline constexpr int kMultiLowestN = -900;
inline constexpr int kMultiHighestN = 900;

// What a list of values is matched with: the quantity the values are, their unit (an entry of
// QuantityUnits), the tolerance in per cent and the reference length in metres.
struct MultiSearchRequest {
    MultiQuantity quantity = MultiQuantity::Wavelength;
    UnitRow unit = kNoUnit;
    double tolerance = 1;
    double cx = 1;
};

// What an element makes of one measured value: the N whose value lies nearest it, that value
// in the chosen unit and the deviation from the measured value in per cent (not rounded).
struct Assignment {
    enum class Kind : std::uint8_t {
        Explained,      // within the tolerance
        Outside,        // the nearest N, but beyond the tolerance ("außerhalb")
        NotComputable,  // no N gives a value (every one overflows), or the measured value
                        // leaves the double range in the base unit
    };
    Kind kind = Kind::NotComputable;
    int n = 0;
    double computed = 0;
    double deviation = 0;
};

// Matches measured values against the elements. A value is explained by an element when some
// N from -900 to 900 gives a value within the tolerance, tested exactly as the main window's
// search tests it (the same computation, the same unit conversion, WithinTolerance); of two
// such N the nearer, on a tie the lower. An overflowed quantity explains nothing.
//
// The values of an element over N are a geometric sequence, so the N near a measured value
// follows from a logarithm; only its neighbours are computed, with the table's arithmetic.
class MultiMatcher {
public:
    explicit MultiMatcher(const MultiSearchRequest& request);

    const MultiSearchRequest& Request() const { return request_; }

    // A measured value in the base unit of its quantity (area and volume in the working form
    // the main window's search compares); 0 where it leaves the double range there.
    double Target(double measured) const;

    // The assignment of a value given by its Target (and, to save the logarithm when many
    // elements look at one value, by the Target's log2).
    Assignment Match(int z, double target) const;
    Assignment Match(int z, double target, double logTarget) const;
    Assignment MatchMeasured(int z, double measured) const { return Match(z, Target(measured)); }

    // The quantity's value for Z and N in the base unit; false where it overflows.
    bool Evaluate(int z, int n, double& value) const;

private:
    struct ElementRange {
        int lowest = 0;
        int highest = -1;
        // log2 of the value at N = 0, as the sequence would have it.
        double logAtZero = 0;
    };

    void FindRange(int z);
    // The value of Z and N, an N of the element's range, computed once and then kept: a list
    // of values needs a few N of each element again and again. (So a matcher is not to be
    // shared between threads.)
    double CachedValue(int z, int n) const;

    MultiSearchRequest request_;
    ResonanceParameters parameters_;
    UnitConversion toBase_;
    UnitConversion toUnit_;
    // How many octaves the value moves per step of N, with its sign (-1 for f, E, 1 / L).
    int exponent_ = 1;
    std::array<ElementRange, kElementCount + 1> ranges_{};
    mutable std::vector<double> cache_;
};

}  // namespace kolvenar
