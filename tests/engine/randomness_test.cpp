// The run's minima must follow the law of the minimum of a simple symmetric
// random walk even when the clock never moves between trials: re-seeding with
// the same value must not make trials repeat.
#include <gtest/gtest.h>

#include "engine/experiment.h"
#include "engine/uniform_generator.h"
#include "support/engine_fakes.h"
#include "support/minimum_law.h"

namespace {

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

    const test_support::ChiSquare test = test_support::TestAgainstLaw(
        observed, test_support::MinimumLaw(GetParam()), kRuns * kTrials);
    ASSERT_GT(test.freedom, 4);
    EXPECT_LT(test.statistic, test.critical);
    EXPECT_EQ(observed(118), 0);
}

// Up to 100 customers every minimum has a bin of its own.
INSTANTIATE_TEST_SUITE_P(CustomerCounts, MinimumDistribution, testing::Values(10, 35, 100));

}  // namespace
