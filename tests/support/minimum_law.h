#pragma once

#include <map>

#include "engine/shortage_tallies.h"

namespace test_support {

// The exact law of a trial's minimum, the lowest stock after any of
// `customers` fair steps from 0: P(minimum = m) for m = -customers .. 1.
std::map<int, double> MinimumLaw(int customers);

struct ChiSquare {
    double statistic;
    double critical;  // the upper 0.1 % point
    int freedom;
    bool Holds() const { return statistic <= critical; }
};

// Tallies of `trials` trials against the law, neighbouring minima pooled from
// the rare end until every class expects 5 at least; the critical value by
// Wilson and Hilferty.
ChiSquare TestAgainstLaw(const engine::ShortageTallies& tallies, const std::map<int, double>& law,
                         int trials);

}  // namespace test_support
