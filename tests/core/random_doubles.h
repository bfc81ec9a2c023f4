#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
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

// The values where writing 15 digits is hardest to get right, with a fixed seed: values rounded
// to 4 places as a table shows them, exact halves of the 15th digit, the neighbours of powers
// of ten and of 9.99999999999999|5 × 10^k, subnormals and zeros of both signs.
inline std::vector<double> NumberTextEdges(std::size_t count, std::uint64_t seed = 20261207) {
    std::mt19937_64 engine(seed);
    std::vector<double> values;
    while (values.size() < count) {
        const auto places4 = static_cast<double>((engine() % 100000000000000) >> (engine() % 40));
        const int exponent = static_cast<int>(engine() % 600) - 300;
        const std::string power = std::to_string(exponent);
        const std::string half =
            std::to_string(engine() % 1000000000000000) + "5E" + std::to_string(exponent - 16);
        values.insert(values.end(),
                      {places4 / 1e4, -places4 / 1e4, 0.0, -0.0, std::strtod(half.c_str(), nullptr),
                       std::bit_cast<double>(engine() >> 12)});
        for (const std::string mantissa : {"1E", "9.999999999999995E", "9.99999999999999E"}) {
            const double x = std::strtod((mantissa + power).c_str(), nullptr);
            values.insert(values.end(), {std::nextafter(x, 0.0), x, std::nextafter(x, HUGE_VAL)});
        }
    }
    values.resize(count);
    return values;
}

}  // namespace kolvenar::testing
