#include "engine/trial_simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Draws of trials of `customers` whose lowest levels are `minima`: -m tails then
// heads; 0 is up, down, then up; 1 is all heads.
std::vector<float> Trials(int customers, const std::vector<int>& minima) {
    std::vector<float> draws;
    for (int minimum : minima) {
        std::vector<float> trial(static_cast<std::size_t>(minimum < 0 ? -minimum : 0), kTails);
        if (minimum == 0) {
            trial = {kHeads, kTails};
        }
        trial.resize(static_cast<std::size_t>(customers), kHeads);
        draws.insert(draws.end(), trial.begin(), trial.end());
    }
    return draws;
}

TEST(RunExperiment, EachMinimumLandsInItsBin) {
    const struct {
        int customers;
        std::vector<float> draws;
        int bin;
    } cases[] = {
        {10, {kHeads}, 117},           {1000, {kTails}, 1},
        {100, {kTails}, 16},           {10, {0.5F}, 106},
        {10, {0.49999997F}, 117},      {200, Trials(200, {-115}), 1},
        {200, Trials(200, {-114}), 2}, {10, Trials(10, {0}), 116},
    };
    for (const auto& c : cases) {
        engine::ExperimentState state = StateFor(c.customers, 1);
        test::FakeClock clock;
        test::ScriptedRandom random(c.draws);
        const engine::ShortageCounts counts = engine::RunExperiment(state, clock, random).counts;
        EXPECT_EQ(counts(c.bin), 1) << c.customers << " customers, bin " << c.bin;
    }
}

TEST(RunExperiment, MeanLabelOfKnownMinima) {
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{-3, -6}, "-4.5"}, {{-3, -5}, "-4.0"}, {{1, 0}, ".5"}, {{0}, ".0"}, {{-8, -8, -9}, "-8.3"},
    };
    for (const auto& [minima, label] : cases) {
        engine::ExperimentState state = StateFor(10, static_cast<int>(minima.size()));
        test::FakeClock clock;
        test::ScriptedRandom random(Trials(10, minima));
        EXPECT_EQ(engine::RunExperiment(state, clock, random).meanText, label);
    }
}

TEST(RunExperiment, LargestRunStaysInsideEveryBound) {
    engine::ExperimentState state = StateFor(1000, 1000);
    test::FakeClock clock;
    engine::UniformGenerator random;
    const engine::RunOutcome outcome = engine::RunExperiment(state, clock, random);
    int total = 0;
    for (int bin = 1; bin <= 117; ++bin) {
        total += outcome.counts(bin);
    }
    EXPECT_EQ(total, 1000);  // so bins 118 to 120 are empty
}

TEST(RunExperimentDeathTest, CustomerCountsNoAnswerCanGiveStop) {
    for (const int customers : {0, 1001}) {
        engine::ExperimentState state = StateFor(customers, 1);
        test::FakeClock clock;
        test::ScriptedRandom random({kHeads});
        EXPECT_DEATH(engine::RunExperiment(state, clock, random), "index out of range")
            << customers << " customers";
    }
}

}  // namespace
