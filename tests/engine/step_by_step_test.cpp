// The engine against the step-for-step run it replaces: fed the same draws,
// both must give the same tallies and mean, and take as many draws per trial.
#include "support/step_by_step_run.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "engine/lowest_balance.h"
#include "engine/uniform_generator.h"
#include "support/engine_fakes.h"

namespace {

// Draws of a prime count, so trials do not line up with the script, squeezed
// into [low, low + width); the halfway point and the draw just below it come
// first, and again as the ninth and tenth, where a trial of ten customers
// walks them one at a time rather than eight at once.
std::vector<float> Script(float low, float width) {
    engine::UniformGenerator generator(12345);
    std::vector<float> draws;
    while (draws.size() < 7919) {
        draws.push_back(low + width * generator.Draw());
    }
    draws[0] = draws[8] = 0.5F;
    draws[1] = draws[9] = 0.49999997F;
    return draws;
}

TEST(StepByStepRun, EngineGivesTheSameOutcomeFromTheSameDraws) {
    const std::vector<float> fair = Script(0.0F, 1.0F);
    const std::vector<float> tailsMostly = Script(0.4F, 0.6F);   // minima down to bin 1
    const std::vector<float> headsMostly = Script(0.0F, 0.55F);  // minima of 1
    const struct {
        int customers;
        int trials;
        const std::vector<float>& script;
    } cases[] = {
        {10, 1, fair},          {17, 50, fair},        {35, 100, fair},
        {1000, 1, fair},        {1000, 6, fair},       {999, 4, fair},
        {300, 40, tailsMostly}, {64, 30, headsMostly}, {1000, 3, tailsMostly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.customers << " x " << c.trials);
        test_support::FrozenClock clock;
        test_support::ScriptedDraws engineDraws(c.script);
        test_support::ScriptedDraws referenceDraws(c.script);
        const engine::RunOutcome engine =
            engine::RunExperiment({c.customers, c.trials}, clock, engineDraws);
        const engine::RunOutcome reference =
            test_support::StepByStepRun({c.customers, c.trials}, clock, referenceDraws);

        EXPECT_TRUE(engine.tallies == reference.tallies);
        EXPECT_EQ(engine.meanText, reference.meanText);
        EXPECT_EQ(engineDraws.drawsAtReseed, referenceDraws.drawsAtReseed);
    }
}

// Each target uses one walk; all three are tried here on every trial length
// around the eight-customer blocks, the halfway draws in and out of a block.
TEST(StepByStepRun, EveryWalkFindsTheSameLowestBalance) {
    for (const std::vector<float>& script :
         {Script(0.0F, 1.0F), Script(0.4F, 0.6F), Script(0.0F, 0.55F)}) {
        for (const std::size_t customers : {10U, 15U, 16U, 17U, 63U, 999U, 1000U}) {
            for (std::size_t start = 0; start + customers <= script.size(); start += 997) {
                const std::span<const float> trial(&script[start], customers);
                SCOPED_TRACE(testing::Message() << customers << " from draw " << start);
                const int lowest = engine::LowestBalanceOneByOne(trial);
                EXPECT_EQ(engine::LowestBalanceByOctets(trial), lowest);
                EXPECT_EQ(engine::LowestBalanceByVectors(trial), lowest);
            }
        }
    }
}

}  // namespace
