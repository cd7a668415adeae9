#include "engine/checked.h"

#include <gtest/gtest.h>

#include "engine/drawing_surface.h"
#include "engine/shortage_counts.h"

namespace {

TEST(ShortageCounts, EverySixteenBitMinimumHasExactlyOneBin) {
    const std::pair<int, int> cases[] = {
        {-32768, 1}, {-1000, 1}, {-115, 1}, {-114, 2}, {-113, 3}, {-110, 6},    {-10, 106},
        {-1, 115},   {0, 116},   {1, 117},  {3, 119},  {4, 120},  {32767, 120},
    };
    for (const auto& [minimum, bin] : cases) {
        EXPECT_EQ(engine::ShortageCounts::BinOf(minimum), bin) << "minimum " << minimum;
    }
}

TEST(ShortageCounts, TallyAddsOneToTheRightBin) {
    engine::ShortageCounts counts;
    counts.Tally(-3);
    counts.Tally(-3);
    counts.Tally(-200);
    EXPECT_EQ(counts(113), 2);
    EXPECT_EQ(counts(1), 1);
    EXPECT_EQ(counts(114), 0);
}

TEST(Checked, AdditionsInsideTheRangeGiveTheSum) {
    EXPECT_EQ(engine::Add16(32766, 1), 32767);
    EXPECT_EQ(engine::Add16(-32767, -1), -32768);
    EXPECT_EQ(engine::Add32(2147483646, 1), 2147483647);
}

TEST(CheckedDeathTest, OverflowAndBadIndicesStopWithAMessage) {
    EXPECT_DEATH(engine::Add16(32767, 1), "16-bit overflow");
    EXPECT_DEATH(engine::Add16(-32768, -1), "16-bit overflow");
    EXPECT_DEATH(engine::Add32(2147483647, 1), "32-bit overflow");
    engine::CheckedArray<short> array;
    EXPECT_DEATH(array(1001) = 1, "index out of range");
    EXPECT_DEATH(array(-1) = 1, "index out of range");
    engine::ShortageCounts counts;
    EXPECT_DEATH(counts(0), "index out of range");
    EXPECT_DEATH(counts(121), "index out of range");
    EXPECT_DEATH(engine::QBColor(16), "index out of range");
}

TEST(QBColor, GivesThePaletteColours) {
    EXPECT_EQ(engine::QBColor(0), (engine::Rgb{0, 0, 0}));
    EXPECT_EQ(engine::QBColor(9), (engine::Rgb{0, 0, 255}));
    EXPECT_EQ(engine::QBColor(7), (engine::Rgb{192, 192, 192}));
    EXPECT_EQ(engine::QBColor(15), (engine::Rgb{255, 255, 255}));
}

}  // namespace
