#include "picture/text_fit.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// A face whose advances are whole pixels, as hinting makes them: a spacing
// narrows a text less than in proportion, so the fit narrows step by step.
double Hinted(std::string_view text, double spacing) {
    return picture::Characters(text) * std::round(13.6 + spacing);
}

TEST(TextFit, TheWidestLineFitsTheRoomAndLinesThatFitKeepTheirSpacing) {
    const std::array<std::string_view, 3> lines{"あいうえおかきくけこ", "", "ab"};
    for (const double room : {100.0, 119.0, 137.0}) {
        const double spacing = picture::SpacingToFitWidest(Hinted, lines, room);
        EXPECT_LE(Hinted(lines[0], spacing), room) << room;
        EXPECT_GT(Hinted(lines[0], spacing + 1.0), room) << room;
    }
    EXPECT_EQ(picture::SpacingToFitWidest(Hinted, lines, 140.0), 0.0);
}

// The row's last character is centred over the target, its own spacing
// counted in half.
TEST(TextFit, TheRowsLastCharacterIsCentredOverItsTarget) {
    const auto even = [](std::string_view text, double spacing) {
        return picture::Characters(text) * (6.0 + spacing);
    };
    const double spacing = picture::SpacingToCentreLast(even, "  -10   0", 4.0, 70.0);
    EXPECT_DOUBLE_EQ(4.0 + 8 * (6.0 + spacing) + (6.0 + spacing) / 2.0, 70.0);
    EXPECT_EQ(picture::Characters("お客 10"), 5.0);
}

}  // namespace
