#include "engine/checked.h"

#include <gtest/gtest.h>

#include "engine/drawing_surface.h"
#include "engine/shortage_counts.h"

namespace {

TEST(ShortageCounts, EverySixteenBitMinimumHasExactlyOneBin) {
    const std::pair<int, int> cases[] = {
        {-32768, 1}, {-115, 1}, {-114, 2}, {-110, 6}, {-10, 106},   {-1, 115},
        {0, 116},    {1, 117},  {3, 119},  {4, 120},  {32767, 120},
    };
    for (const auto& [minimum, bin] : cases) {
        EXPECT_EQ(engine::ShortageCounts::BinOf(minimum), bin) << "minimum " << minimum;
    }
}

TEST(CheckedDeathTest, OverflowAndBadIndicesStopWithAMessage) {
    EXPECT_EQ(engine::Add16(32766, 1), 32767);
    EXPECT_DEATH(engine::Add16(32767, 1), "16-bit overflow");
    EXPECT_DEATH(engine::Add16(-32768, -1), "16-bit overflow");
    EXPECT_DEATH(engine::Add32(2147483647, 1), "32-bit overflow");
    engine::CheckedArray<short> array;
    EXPECT_DEATH(array(1001) = 1, "index out of range");
    EXPECT_DEATH(array(-1) = 1, "index out of range");
    engine::ShortageCounts counts;
    EXPECT_DEATH(counts(121), "index out of range");
    EXPECT_DEATH(engine::QBColor(16), "index out of range");
}

}  // namespace
