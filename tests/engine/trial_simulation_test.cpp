#include "engine/trial_simulation.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "engine/fakes.h"
#include "engine/uniform_generator.h"

namespace {

constexpr float kHeads = 0.25F;
constexpr float kTails = 0.75F;

engine::ExperimentState StateFor(int customers, int trials) {
    engine::ExperimentState state;
    state.CustomerCount = static_cast<std::int16_t>(customers);
    state.TrialCount = static_cast<std::int16_t>(trials);
    return state;
}

// Draws of one trial of `customers` whose lowest level is `minimum`.
std::vector<float> TrialWithMinimum(int customers, int minimum) {
    std::vector<float> draws;
    if (minimum == 1) {
        draws.assign(static_cast<std::size_t>(customers), kHeads);
        return draws;
    }
    if (minimum == 0) {
        draws = {kHeads, kTails};  // 1, 0, then up
    } else {
        draws.assign(static_cast<std::size_t>(-minimum), kTails);
    }
    draws.resize(static_cast<std::size_t>(customers), kHeads);
    return draws;
}

std::vector<float> Trials(int customers, std::initializer_list<int> minima) {
    std::vector<float> draws;
    for (int minimum : minima) {
        const std::vector<float> trial = TrialWithMinimum(customers, minimum);
        draws.insert(draws.end(), trial.begin(), trial.end());
    }
    return draws;
}

int Total(const engine::ShortageCounts& counts) {
    int total = 0;
    for (int bin = 1; bin <= engine::ShortageCounts::kBins; ++bin) {
        total += counts(bin);
    }
    return total;
}

struct SingleDrawCase {
    int customers;
    float draw;
    int expectedMinimum;
    int expectedBin;
};

class OneTrialOfConstantDraws : public testing::TestWithParam<SingleDrawCase> {};

TEST_P(OneTrialOfConstantDraws, LandsInItsBin) {
    const SingleDrawCase c = GetParam();
    engine::ExperimentState state = StateFor(c.customers, 1);
    test::FakeClock clock;
    test::ScriptedRandom random({c.draw});
    const engine::RunOutcome outcome = engine::RunExperiment(state, clock, random);

    EXPECT_EQ(state.TrialMinimum(1), c.expectedMinimum);
    EXPECT_EQ(outcome.counts(c.expectedBin), 1);
    EXPECT_EQ(Total(outcome.counts), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, OneTrialOfConstantDraws,
    testing::Values(SingleDrawCase{10, kHeads, 1, 117}, SingleDrawCase{1000, kHeads, 1, 117},
                    SingleDrawCase{1000, kTails, -1000, 1}, SingleDrawCase{100, kTails, -100, 16},
                    SingleDrawCase{10, kTails, -10, 106},
                    // Exactly one half is tails.
                    SingleDrawCase{10, 0.5F, -10, 106}, SingleDrawCase{10, 0.49999997F, 1, 117}));

TEST(RunExperiment, BinBoundariesAroundTheOpenLowerBin) {
    // 115 tails reach -115 (bin 1); 114 reach -114 (bin 2).
    engine::ExperimentState state = StateFor(200, 3);
    test::FakeClock clock;
    test::ScriptedRandom random(Trials(200, {-115, -114, 0}));
    const engine::RunOutcome outcome = engine::RunExperiment(state, clock, random);
    EXPECT_EQ(outcome.counts(1), 1);
    EXPECT_EQ(outcome.counts(2), 1);
    EXPECT_EQ(outcome.counts(116), 1);
}

struct MeanCase {
    std::initializer_list<int> minima;
    const char* label;
};

TEST(RunExperiment, MeanLabelOfKnownMinima) {
    const MeanCase cases[] = {
        {{-3, -6}, "-4.5"}, {{-3, -5}, "-4.0"}, {{1, 0}, ".5"}, {{0}, ".0"}, {{-8, -8, -9}, "-8.3"},
    };
    for (const MeanCase& c : cases) {
        engine::ExperimentState state = StateFor(10, static_cast<int>(c.minima.size()));
        test::FakeClock clock;
        test::ScriptedRandom random(Trials(10, c.minima));
        EXPECT_EQ(engine::RunExperiment(state, clock, random).meanText, c.label);
    }
}

TEST(RunExperiment, KeepsRunningMeansAndMinimaOfEveryTrial) {
    engine::ExperimentState state = StateFor(10, 4);
    test::FakeClock clock;
    test::ScriptedRandom random(Trials(10, {-3, -6, 1, -2}));
    engine::RunExperiment(state, clock, random);

    const int minima[] = {-3, -6, 1, -2};
    const float means[] = {-3.0F, -4.5F, static_cast<float>(-8.0 / 3.0), -2.5F};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(state.TrialMinimum(k), minima[k - 1]) << "trial " << k;
        EXPECT_EQ(state.RunningAverage(k), means[k - 1]) << "trial " << k;
    }
    EXPECT_EQ(state.MinimumSum, -10);
    EXPECT_EQ(state.RunningAverage(5), 0.0F);
}

TEST(RunExperiment, SecondRunStartsFromZeroedStatistics) {
    engine::ExperimentState state = StateFor(10, 5);
    test::FakeClock clock;
    test::ScriptedRandom first(Trials(10, {-10, -10, -10, -10, -10}));
    engine::RunExperiment(state, clock, first);

    state.TrialCount = 1;
    test::ScriptedRandom second(Trials(10, {-2}));
    const engine::RunOutcome outcome = engine::RunExperiment(state, clock, second);
    EXPECT_EQ(outcome.meanText, "-2.0");
    EXPECT_EQ(state.MinimumSum, -2);
    EXPECT_EQ(Total(outcome.counts), 1);
    EXPECT_EQ(outcome.counts(106), 0);
    EXPECT_EQ(state.RunningAverage(1), -2.0F);
    for (int k = 2; k <= 1000; ++k) {
        ASSERT_EQ(state.RunningAverage(k), 0.0F) << "index " << k;
    }
    EXPECT_EQ(state.TrialMinimum(2), -10);  // beyond TrialCount: left as it was
}

TEST(RunExperiment, ReseedsFromTheClockBeforeEveryTrial) {
    engine::ExperimentState state = StateFor(10, 3);
    test::FakeClock clock({100.5F, 100.5F, 101.25F});
    test::ScriptedRandom random({kHeads});
    engine::RunExperiment(state, clock, random);
    EXPECT_EQ(random.seeds, (std::vector<float>{100.5F, 100.5F, 101.25F}));
}

TEST(RunExperiment, LeavesTheLastTrialsTraceSortedAsAnExchangeSortWould) {
    engine::ExperimentState state = StateFor(37, 2);
    test::FakeClock clock;
    test::ScriptedRandom random(
        {0.1F, 0.9F, 0.9F, 0.3F, 0.7F, 0.8F, 0.2F, 0.6F, 0.65F, 0.05F, 0.95F});
    engine::RunExperiment(state, clock, random);

    std::vector<int> trace;
    int balance = 0;
    for (int i = 1; i <= 37; ++i) {
        balance += state.StepSigns(i);
        trace.push_back(balance);
    }
    EXPECT_EQ(state.Balance, balance);
    for (std::size_t i = 0; i + 1 < trace.size(); ++i) {
        for (std::size_t j = i + 1; j < trace.size(); ++j) {
            if (trace[i] > trace[j]) {
                std::swap(trace[i], trace[j]);
            }
        }
    }
    for (int i = 1; i <= 37; ++i) {
        ASSERT_EQ(state.BalanceTrace(i), trace[static_cast<std::size_t>(i - 1)]) << "entry " << i;
    }
    EXPECT_EQ(state.TrialMinimum(2), trace.front());
}

TEST(RunExperiment, LargestRunStaysInsideEveryBound) {
    engine::ExperimentState state = StateFor(1000, 1000);
    test::FakeClock clock;
    engine::UniformGenerator random;
    const engine::RunOutcome outcome = engine::RunExperiment(state, clock, random);

    EXPECT_EQ(Total(outcome.counts), 1000);
    for (int bin = 118; bin <= 120; ++bin) {
        EXPECT_EQ(outcome.counts(bin), 0) << "bin " << bin;
    }
    int sum = 0;
    for (int k = 1; k <= 1000; ++k) {
        sum += state.TrialMinimum(k);
    }
    EXPECT_EQ(state.MinimumSum, sum);
}

TEST(RunExperimentDeathTest, CountsBeyondTheArraysStopTheProgram) {
    engine::ExperimentState state = StateFor(1001, 1);
    test::FakeClock clock;
    test::ScriptedRandom random({kHeads});
    EXPECT_DEATH(engine::RunExperiment(state, clock, random), "index out of range");
}

}  // namespace
