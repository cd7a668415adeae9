// The run's minima must follow the law of the minimum of a simple symmetric
// random walk even when the clock never moves between trials: re-seeding with
// the same value must not make trials repeat.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/experiment.h"
#include "engine/uniform_generator.h"
#include "support/engine_fakes.h"

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

// Law of M = min(S_1..S_n). By reflection P(M <= -a) = P(S_n >= a) + P(S_n > a)
// for a >= 1; M = 1 needs a first step up and no return to 0 afterwards, with
// probability P(S_{n-1} in {0, 1}) / 2; M = 0 takes the rest.
std::map<int, double> MinimumLaw(int n) {
    std::map<int, double> law;
    for (int a = 1; a <= n; ++a) {
        law[-a] = WalkAtLeast(n, a) - WalkAtLeast(n, a + 2);
    }
    law[1] = 0.5 * (WalkAtLeast(n - 1, 0) - WalkAtLeast(n - 1, 2));
    law[0] = 1.0 - WalkAtLeast(n, 1) - WalkAtLeast(n, 2) - law[1];
    return law;
}

class MinimumDistribution : public testing::TestWithParam<int> {};

TEST_P(MinimumDistribution, MatchesTheRandomWalkWithAFrozenClock) {
    constexpr int kRuns = 20;
    constexpr int kTrials = 1000;
    test_support::FrozenClock frozen;
    engine::UniformGenerator random;
    engine::ShortageTallies observed;
    for (int run = 0; run < kRuns; ++run) {
        const engine::ShortageTallies tallies =
            engine::RunExperiment({GetParam(), kTrials}, frozen, random).tallies;
        for (int bin = 1; bin <= engine::ShortageTallies::kBins; ++bin) {
            observed(bin) += tallies(bin);
        }
    }

    // Chi-square over cells pooled to at least 5 expected trials.
    double statistic = 0.0;
    int cells = 0;
    double expected = 0.0;
    double seen = 0.0;
    for (const auto& [value, p] : MinimumLaw(GetParam())) {
        expected += p * kRuns * kTrials;
        seen += observed(engine::ShortageTallies::BinOf(value));
        if (expected >= 5.0) {
            statistic += (seen - expected) * (seen - expected) / expected;
            ++cells;
            expected = seen = 0.0;
        }
    }
    // Upper 0.1% point of chi-square with cells - 1 degrees (Wilson-Hilferty).
    const double d = cells - 1;
    const double t = 1.0 - 2.0 / (9.0 * d) + 3.090232 * std::sqrt(2.0 / (9.0 * d));
    ASSERT_GT(cells, 5);
    EXPECT_LT(statistic, d * t * t * t);
    EXPECT_EQ(observed(118), 0);
}

// Up to 100 customers every minimum has a bin of its own.
INSTANTIATE_TEST_SUITE_P(CustomerCounts, MinimumDistribution, testing::Values(10, 35, 100));

}  // namespace
