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

// Each bin with trials is a row, in the order of the horizontal axis, named by
// the minimum it counts; the open bins at the ends, down to the least and up
// to the greatest minimum, by their bounds.
TEST(FrequencyTable, EveryBarWithTrialsIsARowInAxisOrder) {
    engine::ShortageTallies tallies;
    for (const int minimum : {1, -32768, -35, 4, -115, -35, 0, -114, 1, -35, 32767}) {
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
