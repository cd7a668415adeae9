#include <QAccessible>
#include <QApplication>
#include <map>
#include <vector>

#include "controls/window_metrics.h"
#include "engine/frequency_graph.h"
#include "form/raster.h"
#include "form/texts.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

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

    // Device pixel of a point in graph units, on the window's own image.
    int X(double x) const { return area.x() + form::ToDevice(x, 0, kScale, Device()).x; }
    int Y(double y) const { return area.y() + form::ToDevice(0, y, kScale, Device()).y; }
    form::DeviceSize Device() const { return {area.width(), area.height()}; }
    static constexpr form::UserScale kScale{engine::kGraphWidthUnits, engine::kGraphHeightUnits};
    // Pixels of the box from (x1, y1) to (x2, y2) in graph units, one pen wider.
    int Count(double x1, double y1, double x2, double y2, QRgb colour) const {
        return CountPixels(
            shot, QRect(QPoint(X(x1), Y(y1)), QPoint(X(x2) + pen - 1, Y(y2) + pen - 1)), colour);
    }
    int Size(double x1, double y1, double x2, double y2) const {
        return (X(x2) + pen - X(x1)) * (Y(y2) + pen - Y(y1));
    }

    // The scripted run's tallies by minimum, and one empty bin.
    const std::map<int, int> kTallies{{-50, 0}, {-10, 1}, {-3, 50}, {-1, 251}, {1, 120}};
    QImage shot;
    QRect area;  // the graph's inner area on the shot
    int pen = 1;

private:
    int guest_ = 0;
    int tails_ = 0;
};

}  // namespace

TEST_F(GraphPixels, BarsAxesGridAndTextsStandWhereTheCountsPutThem) {
    Button("startButton")->click();
    EXPECT_EQ(Text(&window, "meanShortage"), "-.7");  // (-10 - 150 - 251 + 120) / 422
    shot = window.grab().toImage();
    pen = static_cast<int>(shot.devicePixelRatio());  // lines of whole device pixels
    const QRect inner = Graph()->contentsRect().translated(Graph()->pos());
    area = QRect(inner.topLeft() * pen, inner.size() * pen);
    const QRgb back = Graph()->palette().color(QPalette::Window).rgb();
    // The far edge of the scale is the last device pixel, not one beyond.
    EXPECT_EQ(Graph()->ToDevice(engine::kGraphWidthUnits, engine::kGraphHeightUnits),
              QPoint(area.width() - 1, area.height() - 1));

    // The axis: black from 3 to 5 and from 125 to 127, light blue between,
    // where every bar, even an empty one, lies on it; nothing beyond 127.
    EXPECT_EQ(Count(3, 280, 5, 280, kBlack), (X(5) - X(3)) * pen) << "axis, left";
    EXPECT_EQ(Count(5, 280, 125, 280, kBlue), Size(5, 280, 125, 280)) << "axis under the bars";
    EXPECT_EQ(Count(125, 280, 127, 280, kBlack), Size(125, 280, 127, 280) - pen * pen);
    EXPECT_EQ(shot.pixel(X(127) + pen, Y(280)), back);

    // Each bar is solid from the row its count predicts down to the axis, and
    // ends there; an empty bin (-50) shows nothing above the axis.
    for (const auto& [minimum, count] : kTallies) {
        const double middle = minimum + 120.5;
        EXPECT_EQ(Count(middle, 280 - count, middle, 280, kBlue),
                  Size(middle, 280 - count, middle, 280))
            << "bar of " << minimum;
        EXPECT_NE(shot.pixel(X(middle), Y(280 - count) - 1), kBlue) << "above " << minimum;
    }
    // Solid grid rows at counts 50 to 250, black but where a bar reaches them.
    for (const int y : {230, 180, 130, 80, 30}) {
        int bars = 0;
        for (const auto& [minimum, count] : kTallies) {
            bars += 280 - count <= y ? Size(minimum + 120, y, minimum + 121, y) : 0;
        }
        EXPECT_EQ(Count(11, y, 127, y, kBlue), bars) << "row " << y;
        EXPECT_EQ(Count(11, y, 127, y, kBlack), Size(11, y, 127, y) - bars) << "row " << y;
    }

    // Between and under them, rows every ten counts from 10: a dash of one
    // unit, a gap of one unit, and nothing just below the row.
    for (int y = 270; y >= 30; y -= 10) {
        EXPECT_EQ(shot.pixel(X(11.5), Y(y)), kBlack) << "row " << y;
        EXPECT_EQ(shot.pixel(X(12.5), Y(y)), y % 50 == 30 ? kBlack : back) << "row " << y;
        EXPECT_EQ(shot.pixel(X(11.5), Y(y) + pen), back) << "under row " << y;
    }

    // Texts hang from the current point: the label row one text line under
    // the axis, a caption at the top. (Inside the focus frame the run leaves.)
    const int line = Graph()->font().pixelSize() * pen;
    const QRect inside = area.adjusted(pen, pen, -pen, -pen);
    const QRect row =
        InkBounds(shot, QRect(QPoint(inside.left(), Y(285) + pen), inside.bottomRight()), back);
    EXPECT_GE(row.top(), Y(280) + line);
    EXPECT_LT(row.top(), Y(280) + line + line / 2);
    const QRect caption =
        InkBounds(shot, QRect(QPoint(X(4) + pen, inside.top()), QPoint(X(60), Y(20))), back);
    EXPECT_GE(caption.left(), X(5));
    EXPECT_GE(caption.top(), Y(7));
    EXPECT_LT(caption.top(), Y(7) + line / 2);
    // Each of the twelve numbers stands centred within 2 units of its tick.
    std::vector<std::pair<int, int>> numbers;  // first and last column with ink
    for (int column = inside.left(); column <= inside.right(); ++column) {
        if (CountPixels(shot, QRect(column, Y(280) + line, 1, line), back) == line) {
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
                    2.0 * area.width() / engine::kGraphWidthUnits)
            << "number " << i + 1;
    }
}

// Only the label row is spaced to fit its ticks: captions and vertical-axis
// labels print as the face sets them, like the same text in an area of the
// graph's face with no spacing of its own.
TEST_F(GraphPixels, CaptionsAndLabelsKeepTheFacesOwnSpacing) {
    Button("startButton")->click();
    const QImage& graph = Graph()->Image();
    area = graph.rect();
    controls::PictureArea plain(nullptr, kScale);
    plain.resize(Graph()->size());
    plain.setPalette(Graph()->palette());
    plain.setFont(controls::GothicFont(form::ControlNamed(form::kMainWindow, "graph").font));
    const QImage& reference = plain.Image();
    const struct {
        double x, y, right;
        std::string_view text;
    } texts[] = {{5, 7, 60, form::texts::kVerticalAxisCaption},
                 {105, 7, 129, form::texts::kHorizontalAxisCaption},
                 {5, 27, 10.5, form::texts::kVerticalLabels[0]}};
    for (const auto& text : texts) {
        plain.Clear();
        plain.SetCurrentX(static_cast<float>(text.x));
        plain.SetCurrentY(static_cast<float>(text.y));
        plain.PrintLine(text.text);
        const QRect band(QPoint(X(text.x), Y(text.y)), QPoint(X(text.right), Y(text.y + 9)));
        EXPECT_EQ(graph.copy(band), reference.copy(band)) << text.text;
    }
}

}  // namespace widget_tests

namespace widget_tests {

// Beside the pixels, the graph is a list a screen reader reads, named by the
// outcome: a row for each bar with trials, left to right. The run leaves the
// focus on it, and Down and End move the reader's focus through the rows.
TEST_F(GraphPixels, ScreenReaderReadsEachBarWithTrials) {
    Button("startButton")->click();
    ASSERT_EQ(QApplication::focusWidget(), Graph());
    QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(Graph());
    EXPECT_EQ(graph->role(), QAccessible::List);
    EXPECT_EQ(graph->text(QAccessible::Name),
              QStringLiteral("度数分布のグラフ　実験回数 422回　不足枚数の平均 -.7"));
    QStringList expected;
    for (const auto& [minimum, count] : kTallies) {
        if (count > 0) {
            expected << QStringLiteral("%1　%2回").arg(minimum).arg(count);
        }
    }
    QStringList rows;
    for (int i = 0; i < graph->childCount(); ++i) {
        rows << graph->child(i)->text(QAccessible::Name);
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(graph->focusChild(), nullptr);
    QTest::keyClick(Graph(), Qt::Key_Down);
    EXPECT_EQ(graph->focusChild(), graph->child(0));
    QTest::keyClick(Graph(), Qt::Key_End);
    ASSERT_NE(graph->focusChild(), nullptr);
    EXPECT_EQ(graph->indexOfChild(graph->focusChild()), expected.size() - 1);
    EXPECT_TRUE(graph->focusChild()->state().focused);
}

}  // namespace widget_tests
