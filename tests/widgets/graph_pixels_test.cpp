#include <QAccessible>
#include <QApplication>
#include <vector>

#include "controls/window_metrics.h"
#include "engine/frequency_graph.h"
#include "form/raster.h"
#include "form/texts.h"
#include "support/raster_sink.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

constexpr const form::Control& kGraph = form::ControlNamed(form::kMainWindow, "graph");

struct NoRows final : engine::FrequencyTable {
    void AddRow(std::string_view /*axisValue*/, int /*trials*/) override {}
};

// The graph area with its texts left out: they are the face's, not the rule's.
class WithoutTexts final : public controls::PictureArea {
public:
    using controls::PictureArea::PictureArea;
    void Print(form::DevicePoint /*at*/, std::string_view /*text*/, int /*pixels*/,
               double /*spacing*/) override {}
};

// 422 trials of 10 guests whose tallies are known: each trial has its first
// guests short (tails) and the rest paying in (heads), so its lowest stock is
// minus the number of tails, or 1 when there are none. Tallies by bin: 1 at
// -10, 50 at -3, 251 at -1 and 120 at 1.
class GraphPixels : public ShownWindow {
protected:
    GraphPixels() {
        answers = {"10", "422"};
        onReseed = [this](int trial) {
            guest_ = 0;
            tails_ = trial == 1 ? 10 : trial <= 51 ? 3 : trial <= 302 ? 1 : 0;
        };
    }
    float Draw() override { return guest_++ < tails_ ? 0.75F : 0.25F; }

    int X(double x) const { return form::ToDevice(x, 0, kScale, Device()).x; }
    int Y(double y) const { return form::ToDevice(0, y, kScale, Device()).y; }
    form::DeviceSize Device() const { return {image.width(), image.height()}; }
    static constexpr form::UserScale kScale{engine::kGraphWidthUnits, engine::kGraphHeightUnits};

    const QImage& image = Graph()->Image();
    const int pen = Pen(*Graph());  // lines of whole device pixels
    const QRgb back = Graph()->palette().color(QPalette::Window).rgb();

private:
    int guest_ = 0;
    int tails_ = 0;
};

}  // namespace

// The area lights every pixel the shared rule gives, and only those: a run's
// graph, one trial in every bin, nothing at all, and bars past the axis's end
// and the area's top edge where the vertical labels stand.
TEST_F(GraphPixels, TheAreaLightsExactlyTheSharedRulesPixels) {
    std::vector<std::vector<int>> fixtures(4, std::vector<int>(120));
    for (int bin = 1; bin <= 120; ++bin) {
        const auto i = static_cast<std::size_t>(bin - 1);
        fixtures[0][i] = bin >= 96 && bin <= 117 ? (117 - bin) * (bin - 90) : 0;
        fixtures[1][i] = 1;
        fixtures[3][i] = bin <= 5     ? std::vector<int>{290, 300, 275, 281, 1000}[i]
                         : bin == 116 ? 250
                                      : bin % 7;
    }
    WithoutTexts area(nullptr, form::Spoken::Rows);
    area.resize(Graph()->size());
    area.setPalette(Graph()->palette());
    for (std::size_t f = 0; f < fixtures.size(); ++f) {
        engine::ShortageTallies tallies;
        for (int bin = 1; bin <= 120; ++bin) {
            tallies(bin) = fixtures[f][static_cast<std::size_t>(bin - 1)];
        }
        const picture::Geometry geometry = picture::GeometryOf(kGraph, controls::LogicalDpi());
        const double ratio = Graph()->devicePixelRatioF();
        test_support::RasterSink reference;
        picture::PictureSurface expected(geometry, ratio, reference);
        picture::PictureSurface drawn(geometry, ratio, area);
        NoRows rows;
        engine::DrawFrequencyGraph(tallies, expected, rows);
        engine::DrawFrequencyGraph(tallies, drawn, rows);
        ASSERT_EQ(area.Image().size(), QSize(reference.width, reference.height)) << "fixture " << f;
        int differ = 0;
        for (int y = 0; y < reference.height; ++y) {
            for (int x = 0; x < reference.width; ++x) {
                const QRgb pixel = area.Image().pixel(x, y);
                const engine::Rgb rule = reference.At(x, y);
                const bool same = rule == test_support::RasterSink::kBackground
                                      ? pixel == back
                                      : pixel == qRgb(rule.red, rule.green, rule.blue);
                differ += same ? 0 : 1;
            }
        }
        EXPECT_EQ(differ, 0) << "fixture " << f;
    }
}

// Texts hang from the current point in the window's face: the label row one
// text line under the axis, each of its twelve numbers centred within 2
// units of its tick.
TEST_F(GraphPixels, TheLabelRowsNumbersStandUnderTheirTicksInTheWindowsFace) {
    Button("startButton")->click();
    const int line =
        form::DeviceFontPixels(Graph()->font().pixelSize(), Graph()->devicePixelRatioF());
    const QRect row =
        InkBounds(image, QRect(QPoint(0, Y(285) + pen), image.rect().bottomRight()), back);
    EXPECT_GE(row.top(), Y(280) + line);
    EXPECT_LT(row.top(), Y(280) + line + line / 2);
    std::vector<std::pair<int, int>> numbers;  // first and last column with ink
    for (int column = 0; column < image.width(); ++column) {
        if (Ink(image, QRect(column, Y(280) + line, 1, line), back) == 0) {
            continue;
        }
        // A gap of six pixels is wider than within a number, narrower than between.
        if (numbers.empty() || column - numbers.back().second > 6 * pen) {
            numbers.emplace_back(column, column);
        }
        numbers.back().second = column;
    }
    ASSERT_EQ(numbers.size(), 12U);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_NEAR((numbers[i].first + numbers[i].second) / 2.0,
                    X(10.0 * static_cast<double>(i + 1)),
                    2.0 * image.width() / engine::kGraphWidthUnits)
            << "number " << i + 1;
    }
}

// Beside the pixels, the graph is a list a screen reader reads, named by the
// outcome: a row for each bar with trials, left to right. The run leaves the
// focus on it, and Down and End move the reader's focus through the rows.
TEST_F(GraphPixels, ScreenReaderReadsEachBarWithTrials) {
    Button("startButton")->click();
    ASSERT_EQ(QApplication::focusWidget(), Graph());
    QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(Graph());
    EXPECT_EQ(graph->role(), QAccessible::List);
    // The mean is (-10 - 150 - 251 + 120) / 422.
    EXPECT_EQ(graph->text(QAccessible::Name),
              QStringLiteral("度数分布のグラフ　実験回数 422回　不足枚数の平均 -.7"));
    ASSERT_EQ(graph->childCount(), 4);
    EXPECT_EQ(graph->child(0)->text(QAccessible::Name), QStringLiteral("-10　1回"));
    EXPECT_EQ(graph->focusChild(), nullptr);
    QTest::keyClick(Graph(), Qt::Key_Down);
    EXPECT_EQ(graph->focusChild(), graph->child(0));
    QTest::keyClick(Graph(), Qt::Key_End);
    ASSERT_NE(graph->focusChild(), nullptr);
    EXPECT_EQ(graph->indexOfChild(graph->focusChild()), 3);
    EXPECT_TRUE(graph->focusChild()->state().focused);
}

}  // namespace widget_tests
