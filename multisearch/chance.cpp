#include "multisearch/chance.h"

#include <algorithm>
#include <cmath>

namespace kolvenar {

namespace {

// The continued fraction of the incomplete beta function (modified Lentz), valid where
// x < (a + 1) / (a + b + 2).
double BetaContinuedFraction(double a, double b, double x) {
    constexpr double kTiny = 1e-300;
    constexpr double kEpsilon = 1e-16;
    const double qab = a + b;
    const double qap = a + 1;
    const double qam = a - 1;
    double c = 1;
    double d = 1 - qab * x / qap;
    d = 1 / (std::fabs(d) < kTiny ? kTiny : d);
    double h = d;
    for (int m = 1; m <= 100000; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1 + aa * d;
        d = 1 / (std::fabs(d) < kTiny ? kTiny : d);
        c = 1 + aa / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1 + aa * d;
        d = 1 / (std::fabs(d) < kTiny ? kTiny : d);
        c = 1 + aa / c;
        c = std::fabs(c) < kTiny ? kTiny : c;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < kEpsilon) {
            break;
        }
    }
    return h;
}

// The regularized incomplete beta function I_x(a, b).
double RegularizedBeta(double a, double b, double x) {
    const double logFront =
        std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(x) + b * std::log1p(-x);
    if (x < (a + 1) / (a + b + 2)) {
        return std::exp(logFront) * BetaContinuedFraction(a, b, x) / a;
    }
    return 1 - std::exp(logFront) * BetaContinuedFraction(b, a, 1 - x) / b;
}

}  // namespace

double ChancePerValue(MultiQuantity quantity, double tolerancePercent) {
    const double p = tolerancePercent / 100;
    if (!(p > 0)) {
        return 0;
    }
    if (p >= 1) {
        return 1;
    }
    return std::min(1.0, std::log2((1 + p) / (1 - p)) / RowOf(quantity).octaves);
}

double ChanceOfAtLeast(int k, int n, double w) {
    if (k <= 0) {
        return 1;
    }
    if (k > n || !(w > 0)) {
        return 0;
    }
    if (w >= 1) {
        return 1;
    }
    // P(X >= k) = I_w(k, n - k + 1).
    return std::clamp(RegularizedBeta(k, n - k + 1.0, w), 0.0, 1.0);
}

}  // namespace kolvenar
