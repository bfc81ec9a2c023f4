#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace kolvenar::testing {

// Finite doubles from every binade (random bit patterns) and from the magnitudes a table shows
// most often, with a fixed seed so that a failure can be repeated.
inline std::vector<double> RandomDoubles(std::size_t count, std::uint64_t seed = 20261206) {
    std::mt19937_64 engine(seed);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    std::vector<double> values;
    while (values.size() < count) {
        if (const double fromBits = std::bit_cast<double>(engine()); std::isfinite(fromBits)) {
            values.push_back(fromBits);
        }
        const double sign = (engine() & 1) ? -1.0 : 1.0;
        values.push_back(sign * std::pow(10.0, exponent(engine)));
    }
    values.resize(count);
    return values;
}

}  // namespace kolvenar::testing
