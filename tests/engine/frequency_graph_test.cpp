#include "engine/frequency_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/fakes.h"

namespace {

using test::RecordingSurface;

TEST(FrequencyGraph, DrawsFrameGridCaptionsBarsAndLabelsInOrder) {
    engine::ShortageCounts counts;
    counts(1) = 3;
    counts(106) = 250;
    counts(116) = 1000;
    RecordingSurface surface;
    engine::DrawFrequencyGraph(counts, surface);
    const std::vector<std::string>& ops = surface.ops;

    ASSERT_EQ(ops.size(), 1641U + 9U + 15U);
    const std::pair<std::size_t, const char*> telling[] = {
        {0, "L 3 280 127 280 0"},
        {1, "L 10 278 10 285 0"},
        {12, "L 120 278 120 285 0"},
        {13, "L 3 280 3 10 0"},
        {14, "L 2 280 4 280 0"},
        {40, "L 2 20 4 20 0"},
        {41, "L 11 270 12 270 0"},
        {99, "L 127 270 128 270 0"},
        {100, "L 11 260 12 260 0"},
        {1515, "L 127 30 128 30 0"},
        {1516, "L 11 230 127 230 0"},
        {1520, "L 11 30 127 30 0"},
        {1521, "X 5"},
        {1522, "Y 7"},
        {1523, "P （縦軸は実験回数）"},
        {1526, "P （横軸は不足枚数）"},
        {1527, "X 5"},
        {1528, "Y 27"},
        {1529, "P 250"},
        {1541, "P 50"},
        {1542, "B 5 280 6 277 9"},
        {1543, "B 6 280 7 280 9"},
        {1647, "B 110 280 111 30 9"},
        {1657, "B 120 280 121 -720 9"},
        {1661, "B 124 280 125 280 9"},
        {1662, "P"},
        {1663, "X 1"},
        {1664,
         "P         -110    -100     -90      -80      -70      -60     -50      -40      "
         "-30      -20      -10       0"},
    };
    for (const auto& [index, op] : telling) {
        EXPECT_EQ(ops[index], op) << "operation " << index;
    }
    int lines = 0;
    int prints = 0;
    for (const std::string& op : ops) {
        lines += op[0] == 'L' || op[0] == 'B' ? 1 : 0;
        prints += op[0] == 'P' ? 1 : 0;
    }
    EXPECT_EQ(lines, 1641);
    EXPECT_EQ(prints, 9);
}

}  // namespace
