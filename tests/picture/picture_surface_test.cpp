// The graph and the help text as both editions draw them, by the shared rule,
// at the pixel ratios screens have; an edition only lights what it is told.
#include "picture/picture_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "engine/frequency_graph.h"
#include "engine/help_page.h"
#include "form/texts.h"
#include "support/raster_sink.h"

namespace {

using test_support::RasterSink;

constexpr const form::Control& kGraph = form::ControlNamed(form::kMainWindow, "graph");
constexpr const form::Control& kHelpText = form::ControlNamed(form::kHelpWindow, "helpText");

struct NoRows final : engine::FrequencyTable {
    void AddRow(std::string_view /*axisValue*/, int /*trials*/) override {}
};

// Tallies by minimum: an empty bin, bars up to past the axis's end, and one
// past the area's top edge (bin 2, where the vertical labels stand).
const std::map<int, int> kTallies{{-114, 300}, {-50, 0}, {-10, 1}, {-3, 50}, {-1, 271}, {1, 120}};

engine::ShortageTallies Tallies() {
    engine::ShortageTallies tallies;
    for (const auto& [minimum, count] : kTallies) {
        tallies(engine::ShortageTallies::BinOf(minimum)) = count;
    }
    return tallies;
}

class GraphAtRatio : public testing::TestWithParam<double> {
protected:
    void SetUp() override {
        NoRows rows;
        engine::DrawFrequencyGraph(Tallies(), graph, rows);
    }
    int X(double x) const { return form::ToDevice(x, 0, kScale, graph.Area()).x; }
    int Y(double y) const { return form::ToDevice(0, y, kScale, graph.Area()).y; }
    // Pixels other than `colour` in the box from (x1, y1) to (x2, y2), one pen wider.
    int NotOf(engine::Rgb colour, double x1, double y1, double x2, double y2) const {
        int other = 0;
        for (int y = std::max(Y(y1), 0); y <= Y(y2) + pen - 1; ++y) {
            for (int x = X(x1); x <= X(x2) + pen - 1; ++x) {
                other += sink.At(x, y) == colour ? 0 : 1;
            }
        }
        return other;
    }

    static constexpr form::UserScale kScale{130, 300};
    RasterSink sink;
    picture::PictureSurface graph{picture::GeometryOf(kGraph, 96.0), GetParam(), sink};
    const int pen = form::PenWidth(GetParam());
};

TEST_P(GraphAtRatio, BarsAxesAndGridStandWhereTheCountsPutThem) {
    EXPECT_EQ(graph.Area().width, std::lround(533 * GetParam()));
    // The axis: black from 3 to 5 and from 125 to 127, light blue between,
    // where every bar, even an empty one, lies on it; nothing beyond 127.
    EXPECT_EQ(NotOf(engine::kBlack, 3, 280, 5, 280), pen * pen) << "axis, left";
    EXPECT_EQ(NotOf(engine::kLightBlue, 5, 280, 125, 280), 0) << "axis under the bars";
    EXPECT_EQ(NotOf(engine::kBlack, 125, 280, 127, 280), pen * pen) << "axis, right";
    EXPECT_EQ(sink.At(X(127) + pen, Y(280)), RasterSink::kBackground);
    // Each bar is solid from the row its count predicts down to the axis, and
    // ends there, cut at the area's top edge; an empty bin shows nothing above
    // the axis.
    for (const auto& [minimum, count] : kTallies) {
        const double middle = minimum + 120.5;
        EXPECT_EQ(NotOf(engine::kLightBlue, middle, 280 - count, middle, 280), 0)
            << "bar of " << minimum;
        if (Y(280 - count) > 0) {
            EXPECT_FALSE(sink.At(X(middle), Y(280 - count) - 1) == engine::kLightBlue)
                << "above " << minimum;
        }
    }
    // Grid rows every ten counts from 10: solid at 50 to 250, elsewhere a dash
    // of one unit and a gap of one; nothing just below them.
    for (int y = 270; y >= 30; y -= 10) {
        if (y % 50 == 30) {
            EXPECT_EQ(NotOf(engine::kBlack, 11, y, 105, y), 0) << "solid row " << y;
        } else {
            EXPECT_EQ(sink.At(X(11.5), Y(y)), engine::kBlack) << "dash of row " << y;
            EXPECT_EQ(sink.At(X(12.5), Y(y)), RasterSink::kBackground) << "gap of row " << y;
        }
        EXPECT_EQ(sink.At(X(11.5), Y(y) + pen), RasterSink::kBackground) << "under row " << y;
    }
}

// The texts hang from the current point at the device's size; the label row,
// one text line under the axis, is spaced until its "0" is centred under its
// tick, and every other text keeps the face's own spacing.
TEST_P(GraphAtRatio, TextsStandAtTheirPointsAndTheLabelRowFitsItsTicks) {
    const int em = graph.DeviceFontPixels();
    EXPECT_EQ(em, std::lround(12 * GetParam()));
    ASSERT_EQ(sink.printed.size(), 8U);
    EXPECT_EQ(sink.printed[0],
              (RasterSink::Printed{
                  {X(5), Y(7)}, std::string(form::texts::kVerticalAxisCaption), em, 0.0}));
    EXPECT_EQ(sink.printed[1].at, (form::DevicePoint{X(105), Y(7)}));
    EXPECT_EQ(sink.printed[6].at, (form::DevicePoint{X(5), Y(227)}));
    const RasterSink::Printed& row = sink.printed[7];
    EXPECT_EQ(row.text, form::texts::kLabelRow);
    EXPECT_EQ(row.at.x, X(1));
    EXPECT_EQ(row.at.y,
              form::ToDevice(0, 280 + em * 300.0 / graph.Area().height, kScale, graph.Area()).y);
    // Within half a pixel: the row starts at a whole pixel.
    const double advance = em / 2.0 + row.spacing;
    const double zeroCentre = row.at.x + (picture::Characters(row.text) - 0.5) * advance;
    EXPECT_NEAR(zeroCentre, 120.0 * graph.Area().width / 130.0, 0.5);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(sink.printed[i].spacing, 0.0) << sink.printed[i].text;
    }
}

// Drawn again at another ratio, the graph and the help text are what they
// would have been had they been drawn there first, with nothing run again.
TEST_P(GraphAtRatio, DrawnAgainAtAnotherRatioAsIfDrawnThereFirst) {
    for (const double first : {1.0, 2.0, 1.5}) {
        RasterSink before;
        picture::PictureSurface moved(picture::GeometryOf(kGraph, 96.0), first, before);
        NoRows rows;
        engine::DrawFrequencyGraph(Tallies(), moved, rows);
        moved.Redraw(GetParam());
        EXPECT_EQ(before.Classes(), sink.Classes()) << "from " << first;
        EXPECT_EQ(before.printed, sink.printed) << "from " << first;

        RasterSink help;
        RasterSink freshHelp;
        picture::PictureSurface helpText(picture::GeometryOf(kHelpText, 96.0), first, help);
        picture::PictureSurface freshHelpText(picture::GeometryOf(kHelpText, 96.0), GetParam(),
                                              freshHelp);
        engine::PrintHelpPage(helpText);
        engine::PrintHelpPage(freshHelpText);
        helpText.Redraw(GetParam());
        EXPECT_EQ(help.printed, freshHelp.printed) << "from " << first;
    }
    // What a clearing wiped is not drawn again.
    graph.Clear();
    graph.Redraw(2.0);
    EXPECT_EQ(sink.Classes().find_first_not_of('.'), std::string::npos);
    EXPECT_TRUE(sink.printed.empty());
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, GraphAtRatio, testing::Values(1.0, 1.5, 2.0, 3.0));

// The help text in a face wider than the one it was broken for: every line
// drawn alike closer until the widest ends 4 pixels inside the area, at any
// ratio; in a face that fits, it keeps its own spacing. Each printing starts
// afresh from the top.
TEST(HelpText, TheWidestLineEndsInsideTheAreaInAWiderFace) {
    for (const double ratio : {1.0, 1.5, 2.0}) {
        for (const double ems : {0.5, 0.9}) {
            RasterSink sink;
            sink.emsPerCharacter = ems;
            picture::PictureSurface help(picture::GeometryOf(kHelpText, 96.0), ratio, sink);
            engine::PrintHelpPage(help);
            const double room = (597 - 4) * ratio;
            double widest = 0;
            for (const RasterSink::Printed& line : sink.printed) {
                widest = std::max(widest, sink.Measure(line.text, line.fontPixels, line.spacing));
                EXPECT_EQ(line.spacing, sink.printed.front().spacing);
                EXPECT_EQ(line.at.x, 0);
            }
            EXPECT_LE(widest, room) << ratio << " " << ems;
            if (ems > 0.5) {
                EXPECT_GT(widest, room - 1.0) << ratio;
            } else {
                EXPECT_EQ(sink.printed.front().spacing, 0.0);
            }
            // 26 lines with text, one em apart from the area's top, the first line empty;
            // printed again, from the top afresh.
            ASSERT_EQ(sink.printed.size(), 26U);
            EXPECT_EQ(sink.printed.front().at.y, help.DeviceFontPixels());
            const std::vector<RasterSink::Printed> once = sink.printed;
            engine::PrintHelpPage(help);
            EXPECT_EQ(sink.printed, once);
        }
    }
}

}  // namespace
