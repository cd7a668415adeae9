// The run's minima must follow the law of the minimum of a simple symmetric
// random walk even when the clock never moves between trials: re-seeding with
// the same value must not make trials repeat.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "engine/fakes.h"
#include "engine/trial_simulation.h"
#include "engine/uniform_generator.h"

namespace {

// P(S_n = k) for the walk after n steps, k of the same parity as n.
double WalkAt(int n, int k) {
    if ((n + k) % 2 != 0 || std::abs(k) > n) {
        return 0.0;
    }
    const int ups = (n + k) / 2;
    return std::exp(std::lgamma(n + 1.0) - std::lgamma(ups + 1.0) - std::lgamma(n - ups + 1.0) -
                    n * std::log(2.0));
}

double WalkAtLeast(int n, int k) {
    double sum = 0.0;
    for (int j = k; j <= n; ++j) {
        sum += WalkAt(n, j);
    }
    return sum;
}

// Law of M = min(S_1..S_n). By reflection, P(M <= -a) = P(S_n >= a) + P(S_n > a)
// for a >= 1; M = 1 needs a first step up and no return to 0 afterwards, which
// has probability P(S_{n-1} in {0, 1}) / 2; M = 0 takes the rest.
std::map<int, double> MinimumLaw(int n) {
    std::map<int, double> law;
    for (int a = 1; a <= n; ++a) {
        const double atMost = WalkAtLeast(n, a) + WalkAtLeast(n, a + 1);
        const double below = WalkAtLeast(n, a + 1) + WalkAtLeast(n, a + 2);
        law[-a] = atMost - below;
    }
    law[1] = 0.5 * (WalkAt(n - 1, 0) + WalkAt(n - 1, 1));
    double rest = 1.0;
    for (const auto& [value, p] : law) {
        rest -= p;
    }
    law[0] = rest;
    return law;
}

// Upper 0.1% point of chi-square (Wilson-Hilferty).
double ChiSquareCritical(int degrees) {
    const double z = 3.090232;
    const double d = degrees;
    const double t = 1.0 - 2.0 / (9.0 * d) + z * std::sqrt(2.0 / (9.0 * d));
    return d * t * t * t;
}

class MinimumDistribution : public testing::TestWithParam<int> {};

TEST_P(MinimumDistribution, MatchesTheRandomWalkWithAFrozenClock) {
    const int customers = GetParam();
    constexpr int kRuns = 20;
    constexpr int kTrials = 1000;
    engine::ExperimentState state;
    state.CustomerCount = static_cast<std::int16_t>(customers);
    state.TrialCount = kTrials;
    test::FakeClock frozen({50000.0F});
    engine::UniformGenerator random;

    std::map<int, int> observed;
    for (int run = 0; run < kRuns; ++run) {
        engine::RunExperiment(state, frozen, random);
        for (int k = 1; k <= kTrials; ++k) {
            ++observed[state.TrialMinimum(k)];
        }
    }

    // Pool values into cells of at least 5 expected trials.
    const double samples = kRuns * kTrials;
    double statistic = 0.0;
    int cells = 0;
    double expectedCell = 0.0;
    double observedCell = 0.0;
    for (const auto& [value, p] : MinimumLaw(customers)) {
        expectedCell += p * samples;
        observedCell += observed.count(value) != 0 ? observed[value] : 0;
        if (expectedCell >= 5.0) {
            statistic +=
                (observedCell - expectedCell) * (observedCell - expectedCell) / expectedCell;
            ++cells;
            expectedCell = 0.0;
            observedCell = 0.0;
        }
    }
    ASSERT_GT(cells, 5);
    EXPECT_LT(statistic, ChiSquareCritical(cells - 1)) << "cells " << cells;
    EXPECT_EQ(observed.count(2), 0U);
}

INSTANTIATE_TEST_SUITE_P(CustomerCounts, MinimumDistribution, testing::Values(10, 35, 200));

TEST(MinimumLaw, AgreesWithCountingEveryWalkOfTenSteps) {
    std::map<int, double> counted;
    for (int walk = 0; walk < 1024; ++walk) {
        int level = 0;
        int lowest = 1000;
        for (int step = 0; step < 10; ++step) {
            level += (walk >> step) & 1 ? 1 : -1;
            lowest = std::min(lowest, level);
        }
        counted[lowest] += 1.0 / 1024.0;
    }
    for (const auto& [value, p] : MinimumLaw(10)) {
        EXPECT_NEAR(p, counted[value], 1e-12) << "minimum " << value;
    }
}

}  // namespace
