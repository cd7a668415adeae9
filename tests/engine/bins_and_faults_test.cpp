#include <gtest/gtest.h>

#include "engine/experiment.h"
#include "support/engine_fakes.h"

namespace {

TEST(ShortageTallies, EveryMinimumHasExactlyOneBin) {
    const std::pair<int, int> cases[] = {
        {-32768, 1}, {-115, 1}, {-114, 2}, {-110, 6}, {-10, 106},   {-1, 115},
        {0, 116},    {1, 117},  {3, 119},  {4, 120},  {32767, 120},
    };
    for (const auto& [minimum, bin] : cases) {
        EXPECT_EQ(engine::ShortageTallies::BinOf(minimum), bin) << "minimum " << minimum;
    }
}

TEST(FaultDeathTest, RunsOutsideTheAcceptedCountsAndUnknownBinsStop) {
    test_support::FrozenClock clock;
    test_support::ScriptedDraws draws({0.25F});
    for (const engine::RunSize size : {engine::RunSize{9, 1}, engine::RunSize{1001, 1},
                                       engine::RunSize{10, 0}, engine::RunSize{10, 1001}}) {
        EXPECT_DEATH(engine::RunExperiment(size, clock, draws), "10 to 1000 customers")
            << size.customers << " x " << size.trials;
    }
    engine::ShortageTallies tallies;
    EXPECT_DEATH(tallies(121), "bin outside");
    EXPECT_DEATH(tallies(0), "bin outside");
}

}  // namespace
