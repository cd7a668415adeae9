#include "form/raster.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using form::DevicePoint;
using form::DeviceRect;

constexpr form::UserScale kGraph{130, 300};
constexpr form::DeviceSize kArea{533, 381};  // the graph's inner area at one pixel a pixel

TEST(Raster, UnitsLandOnTheNearestPixelAndTheFarEdgeOnTheLast) {
    EXPECT_EQ(form::ToDevice(0, 0, kGraph, kArea), (DevicePoint{0, 0}));
    EXPECT_EQ(form::ToDevice(130, 300, kGraph, kArea), (DevicePoint{532, 380}));
    // 105 x 533 / 130 is 430.5 exactly: an inexact step per unit would give 430.
    EXPECT_EQ(form::ToDevice(105, 280, kGraph, kArea).x, 431);
    EXPECT_EQ(form::ToDevice(0, 280, kGraph, form::DeviceSize{1066, 762}).y, 711);
}

// A bar taller than the area is cut at its top edge; a box wholly outside
// fills nothing; the pen widens a line right and down.
TEST(Raster, FilledRectanglesStayInsideTheArea) {
    const struct {
        DevicePoint from, to;
        int pen;
        bool fills;
        DeviceRect extent;
    } cases[] = {
        {{10, 355}, {14, -800}, 1, true, {10, 0, 14, 355}},
        {{10, 20}, {10, 20}, 2, true, {10, 20, 11, 21}},
        {{530, 379}, {540, 390}, 3, true, {530, 379, 532, 380}},
        {{600, 10}, {610, 10}, 1, false, {}},
        {{5, -30}, {9, -10}, 2, false, {}},
    };
    for (const auto& c : cases) {
        DeviceRect extent{};
        ASSERT_EQ(form::FillExtent(c.from, c.to, c.pen, kArea, extent), c.fills) << c.from.x;
        if (c.fills) {
            EXPECT_EQ(extent, c.extent) << c.from.x;
        }
    }
}

// A slanted line is one pen square per step along its longer axis, from one
// end to the other; a line along an axis is a single rectangle.
TEST(Raster, LinesLightEveryStepBetweenTheirEnds) {
    for (const int pen : {1, 2}) {
        std::vector<DeviceRect> squares;
        form::RasteriseLine({3, 2}, {13, 6}, pen, kArea,
                            [&](const DeviceRect& square) { squares.push_back(square); });
        ASSERT_EQ(squares.size(), 11U) << pen;
        for (std::size_t i = 0; i < squares.size(); ++i) {
            EXPECT_EQ(squares[i].left, 3 + static_cast<int>(i)) << i;
            EXPECT_EQ(squares[i].right - squares[i].left, pen - 1) << i;
        }
        EXPECT_EQ(squares.front().top, 2);
        EXPECT_EQ(squares.back().top, 6);
    }
    int rectangles = 0;
    form::RasteriseLine({3, 280}, {127, 280}, 1, kArea, [&](const DeviceRect&) { ++rectangles; });
    EXPECT_EQ(rectangles, 1);
}

}  // namespace
