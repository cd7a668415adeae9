#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/experiment.h"
#include "engine/frequency_graph.h"
#include "support/engine_fakes.h"

namespace {

// Takes the drawing and keeps only the rows beside it.
struct RowsOnly final : engine::DrawingSurface, engine::FrequencyTable {
    void DrawLine(float, float, float, float, engine::Rgb) override {}
    void DrawBox(float, float, float, float, engine::Rgb) override {}
    void SetCurrentX(float) override {}
    void SetCurrentY(float) override {}
    void PrintLine(std::string_view) override {}
    void NewLine() override {}
    void Clear() override {}
    void AddRow(std::string_view value, int trials) override { rows.emplace_back(value, trials); }
    std::vector<std::pair<std::string, int>> rows;
};

TEST(ShortageTallies, EveryMinimumHasExactlyOneBin) {
    const std::pair<int, int> cases[] = {
        {-32768, 1}, {-115, 1}, {-114, 2}, {-110, 6}, {-10, 106},   {-1, 115},
        {0, 116},    {1, 117},  {3, 119},  {4, 120},  {32767, 120},
    };
    for (const auto& [minimum, bin] : cases) {
        EXPECT_EQ(engine::ShortageTallies::BinOf(minimum), bin) << "minimum " << minimum;
    }
}

// Each bin with trials is a row, in the order of the horizontal axis, named by
// the minimum it counts; the open bins at the ends by their bounds.
TEST(FrequencyTable, EveryBarWithTrialsIsARowInAxisOrder) {
    engine::ShortageTallies tallies;
    for (const int minimum : {1, -200, -35, 4, -115, -35, 0, -114, 1, -35, 900}) {
        tallies.Tally(minimum);
    }
    RowsOnly drawn;
    engine::DrawFrequencyGraph(tallies, drawn, drawn);
    const std::vector<std::pair<std::string, int>> expected{
        {"-115以下", 2}, {"-114", 1}, {"-35", 3}, {"0", 1}, {"1", 2}, {"4以上", 2}};
    EXPECT_EQ(drawn.rows, expected);
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
