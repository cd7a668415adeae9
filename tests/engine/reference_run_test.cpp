// The engine against the step-for-step run it replaces: fed the same draws,
// both must leave the same tallies, mean label and state.
#include "bench/reference_run.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/fakes.h"
#include "engine/uniform_generator.h"

namespace {

// Replays a script of draws and notes how many were taken at each re-seed.
class Replay final : public engine::RandomSource {
public:
    explicit Replay(const std::vector<float>& script) : script_(script) {}
    void Randomize(float /*seed*/) override { reseeds.push_back(next_); }
    float Rnd() override { return script_[next_++ % script_.size()]; }

    std::vector<std::size_t> reseeds;

private:
    const std::vector<float>& script_;
    std::size_t next_ = 0;
};

// Draws of a prime count, so trials do not line up with the script, squeezed
// into [low, low + width); the halfway point and the draw just below it come
// first.
std::vector<float> Script(float low, float width) {
    engine::UniformGenerator generator(12345);
    std::vector<float> draws = {0.5F, 0.49999997F};
    while (draws.size() < 7919) {
        draws.push_back(low + width * generator.Rnd());
    }
    return draws;
}

// A state left behind by earlier runs, so that whatever a run must not touch
// differs from what it writes.
engine::ExperimentState Used(int customers, int trials) {
    engine::ExperimentState state;
    for (int i = 0; i <= 1000; ++i) {
        state.StepSigns(i) = static_cast<std::int16_t>(i % 3 - 1);
        state.BalanceTrace(i) = static_cast<std::int16_t>(i);
        state.RunningAverage(i) = static_cast<float>(i) / 7.0F;
        state.TrialMinimum(i) = static_cast<std::int16_t>(-i % 60);
    }
    state.Balance = 99;
    state.CoinDraw = 0.7F;
    state.MinimumSum = 12345;
    state.CustomerCount = static_cast<std::int16_t>(customers);
    state.TrialCount = static_cast<std::int16_t>(trials);
    return state;
}

TEST(ReferenceRun, EngineLeavesTheSameStateAndTalliesFromTheSameDraws) {
    const std::vector<float> fair = Script(0.0F, 1.0F);
    const std::vector<float> tailsMostly = Script(0.4F, 0.6F);   // minima down to bin 1
    const std::vector<float> headsMostly = Script(0.0F, 0.55F);  // minima of 1
    const struct {
        int customers;
        int trials;
        const std::vector<float>& script;
    } cases[] = {
        {1, 5, fair},           {7, 3, fair},          {10, 1, fair},          {17, 50, fair},
        {35, 100, fair},        {1000, 1, fair},       {1000, 6, fair},        {999, 4, fair},
        {300, 40, tailsMostly}, {64, 30, headsMostly}, {1000, 3, tailsMostly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.customers << " x " << c.trials);
        engine::ExperimentState engineState = Used(c.customers, c.trials);
        engine::ExperimentState referenceState = engineState;
        test::FakeClock clock;
        Replay engineDraws(c.script);
        Replay referenceDraws(c.script);

        const engine::RunOutcome engine = engine::RunExperiment(engineState, clock, engineDraws);
        const engine::RunOutcome reference =
            bench::ReferenceRun(referenceState, clock, referenceDraws);

        EXPECT_TRUE(engine.counts == reference.counts);
        EXPECT_EQ(engine.meanText, reference.meanText);
        EXPECT_TRUE(engineState == referenceState);
        EXPECT_EQ(engineDraws.reseeds, referenceDraws.reseeds);
    }
}

}  // namespace
