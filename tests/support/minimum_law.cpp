#include "support/minimum_law.h"

#include <algorithm>
#include <cmath>

namespace test_support {
namespace {

// P(S_n >= k) for the walk after n steps.
double WalkAtLeast(int n, int k) {
    double sum = 0.0;
    for (int j = std::max(k, -n); j <= n; ++j) {
        if ((n + j) % 2 == 0) {
            const int ups = (n + j) / 2;
            sum += std::exp(std::lgamma(n + 1.0) - std::lgamma(ups + 1.0) -
                            std::lgamma(n - ups + 1.0) - n * std::log(2.0));
        }
    }
    return sum;
}

}  // namespace

// By reflection P(M <= -a) = P(S_n >= a) + P(S_n > a) for a >= 1; M = 1 needs
// a first step up and no return to 0 afterwards, with probability
// P(S_{n-1} in {0, 1}) / 2; M = 0 takes the rest.
std::map<int, double> MinimumLaw(int customers) {
    const int n = customers;
    std::map<int, double> law;
    for (int a = 1; a <= n; ++a) {
        law[-a] = WalkAtLeast(n, a) - WalkAtLeast(n, a + 2);
    }
    law[1] = 0.5 * (WalkAtLeast(n - 1, 0) - WalkAtLeast(n - 1, 2));
    law[0] = 1.0 - WalkAtLeast(n, 1) - WalkAtLeast(n, 2) - law[1];
    return law;
}

ChiSquare TestAgainstLaw(const engine::ShortageTallies& tallies, const std::map<int, double>& law,
                         int trials) {
    double statistic = 0.0;
    int classes = 0;
    double expected = 0.0;
    double seen = 0.0;
    for (const auto& [value, p] : law) {
        expected += p * trials;
        seen += tallies(engine::ShortageTallies::BinOf(value));
        if (expected >= 5.0) {
            statistic += (seen - expected) * (seen - expected) / expected;
            ++classes;
            expected = seen = 0.0;
        }
    }
    const int freedom = classes - 1;
    const double d = freedom;
    const double t = 1.0 - 2.0 / (9.0 * d) + 3.090232 * std::sqrt(2.0 / (9.0 * d));
    return {statistic, d * t * t * t, freedom};
}

}  // namespace test_support
