#pragma once

#include "multisearch/quantities.h"

namespace kolvenar {

// The chance that an element explains one value by accident, the values spread evenly over
// the octave: w = log2((1 + p) / (1 - p)) / s, at most 1, p the tolerance as a fraction and s
// the octaves between neighbouring N.
double ChancePerValue(MultiQuantity quantity, double tolerancePercent);

// P(X >= k) for X binomial with n trials and the chance w each, as a fraction. Computed in
// logarithms (the regularized incomplete beta function), so that it neither overflows nor
// loses itself for n up to many thousands.
double ChanceOfAtLeast(int k, int n, double w);

}  // namespace kolvenar
