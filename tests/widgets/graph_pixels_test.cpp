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

    // Device pixel of a point in graph units, found by the shared rule.
    int X(double x) const { return form::ToDevice(x, 0, kScale, Device()).x; }
    int Y(double y) const { return form::ToDevice(0, y, kScale, Device()).y; }
    form::DeviceSize Device() const { return {image.width(), image.height()}; }
    static constexpr form::UserScale kScale{engine::kGraphWidthUnits, engine::kGraphHeightUnits};
    // Pixels other than `colour` in the box from (x1, y1) to (x2, y2), one pen wider.
    int NotOf(QRgb colour, double x1, double y1, double x2, double y2) const {
        return Ink(image, QRect(QPoint(X(x1), Y(y1)), QPoint(X(x2) + pen - 1, Y(y2) + pen - 1)),
                   colour);
    }

    // The scripted run's tallies by minimum, and one empty bin.
    const std::map<int, int> kTallies{{-50, 0}, {-10, 1}, {-3, 50}, {-1, 251}, {1, 120}};
    const QImage& image = Graph()->Image();
    const int pen = Pen(*Graph());  // lines of whole device pixels
    const QRgb back = Graph()->palette().color(QPalette::Window).rgb();

private:
    int guest_ = 0;
    int tails_ = 0;
};

}  // namespace

TEST_F(GraphPixels, BarsAxesGridAndTextsStandWhereTheCountsPutThem) {
    Button("startButton")->click();

    // The axis: black from 3 to 5 and from 125 to 127, light blue between,
    // where every bar, even an empty one, lies on it; nothing beyond 127.
    EXPECT_EQ(NotOf(kBlack, 3, 280, 5, 280), pen * pen) << "axis, left";
    EXPECT_EQ(NotOf(kBlue, 5, 280, 125, 280), 0) << "axis under the bars";
    EXPECT_EQ(NotOf(kBlack, 125, 280, 127, 280), pen * pen) << "axis, right";
    EXPECT_EQ(image.pixel(X(127) + pen, Y(280)), back);

    // Each bar is solid from the row its count predicts down to the axis, and
    // ends there; an empty bin (-50) shows nothing above the axis.
    for (const auto& [minimum, count] : kTallies) {
        const double middle = minimum + 120.5;
        EXPECT_EQ(NotOf(kBlue, middle, 280 - count, middle, 280), 0) << "bar of " << minimum;
        EXPECT_NE(image.pixel(X(middle), Y(280 - count) - 1), kBlue) << "above " << minimum;
    }
    // Grid rows every ten counts from 10: solid at 50 to 250, elsewhere a dash
    // of one unit and a gap of one; nothing just below them.
    for (int y = 270; y >= 30; y -= 10) {
        if (y % 50 == 30) {
            EXPECT_EQ(NotOf(kBlack, 11, y, 105, y), 0) << "solid row " << y;
        } else {
            EXPECT_EQ(image.pixel(X(11.5), Y(y)), kBlack) << "dash of row " << y;
            EXPECT_EQ(image.pixel(X(12.5), Y(y)), back) << "gap of row " << y;
        }
        EXPECT_EQ(image.pixel(X(11.5), Y(y) + pen), back) << "under row " << y;
    }

    // Texts hang from the current point: the label row one text line under
    // the axis.
    const int line =
        form::DeviceFontPixels(Graph()->font().pixelSize(), Graph()->devicePixelRatioF());
    const QRect row =
        InkBounds(image, QRect(QPoint(0, Y(285) + pen), image.rect().bottomRight()), back);
    EXPECT_GE(row.top(), Y(280) + line);
    EXPECT_LT(row.top(), Y(280) + line + line / 2);
    // Each of the twelve numbers stands centred within 2 units of its tick.
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

// Only the label row is spaced to fit its ticks: captions and vertical-axis
// labels print as the face sets them, like the same text in an area of the
// graph's face with no spacing of its own.
TEST_F(GraphPixels, CaptionsAndLabelsKeepTheFacesOwnSpacing) {
    Button("startButton")->click();
    controls::PictureArea plain(nullptr, kScale);
    plain.resize(Graph()->size());
    plain.setPalette(Graph()->palette());
    plain.setFont(controls::GothicFont(form::ControlNamed(form::kMainWindow, "graph").font));
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
        EXPECT_EQ(image.copy(band), plain.Image().copy(band)) << text.text;
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
    // The rows' order and names are the frequency table's, checked without a window.
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
