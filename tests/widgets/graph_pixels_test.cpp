#include <cmath>
#include <map>
#include <vector>

#include "engine/frequency_graph.h"
#include "main_window/qt_text.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

// 422 trials of 10 guests whose tallies are known: each trial has its first
// guests short (tails) and the rest paying in (heads), so its lowest stock is
// minus the number of tails, or 1 when there are none.
class GraphPixels : public ShownForm {
protected:
    GraphPixels() {
        answers = {"10", "422"};
        onRandomize = [this](int trial) {
            guest_ = 0;
            tails_ = trial == 1 ? 10 : trial <= 51 ? 3 : trial <= 302 ? 1 : 0;
        };
    }
    float Rnd() override { return guest_++ < tails_ ? 0.75F : 0.25F; }

    void Run() {
        form.Command1_Click();
        shot = form.grab().toImage();
        dpr = static_cast<int>(shot.devicePixelRatio());
        const QRect inner = form.Picture1->contentsRect();
        origin = (form.Picture1->pos() + inner.topLeft()) * dpr;
        size = inner.size() * dpr;
    }
    // Device pixel of a point in graph units, on the window's own image.
    int X(double x) const {
        return origin.x() + static_cast<int>(std::lround(x * size.width() / 130.0));
    }
    int Y(double y) const {
        return origin.y() + static_cast<int>(std::lround(y * size.height() / 300.0));
    }
    QRgb At(int x, int y) const { return shot.pixel(x, y); }

    // Counts by bin: minima -10, -3, -1 and 1.
    const std::map<int, int> counts{{106, 1}, {113, 50}, {115, 251}, {117, 120}};
    QImage shot;
    int dpr = 1;
    QPoint origin;
    QSize size;
    static constexpr QRgb kBlack = qRgb(0, 0, 0);
    static constexpr QRgb kBlue = qRgb(0, 0, 255);

private:
    int guest_ = 0;
    int tails_ = 0;
};

TEST_F(GraphPixels, BarsAxesGridAndTextsStandWhereTheCountsPutThem) {
    Run();
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-.7"));  // (-10 - 150 - 251 + 120) / 422
    const QRgb back = form.Picture1->palette().color(QPalette::Window).rgb();
    // The far edge of the scale is the last device pixel, not one beyond.
    EXPECT_EQ(form.Picture1->ToDevice(130, 300), QPoint(size.width() - 1, size.height() - 1));
    const int pen = dpr;  // lines are one logical pixel wide, whole device pixels
    const auto barReaches = [&](int column, int row) {
        for (const auto& [bin, count] : counts) {
            if (column >= X(bin + 4) && column <= X(bin + 5) + pen - 1 && row >= Y(280 - count)) {
                return true;
            }
        }
        return false;
    };

    // The axis: black from 3 to 5 and from 125 to 127, light blue between,
    // where every bar, even an empty one, lies on it.
    int wrong = 0;
    for (int row = Y(280); row < Y(280) + pen; ++row) {
        for (int column = X(3); column < X(127) + pen; ++column) {
            const bool bars = column >= X(5) && column < X(125) + pen;
            wrong += At(column, row) != (bars ? kBlue : kBlack);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(At(X(127) + pen, Y(280)), back);

    // Each bar is solid from the row its count predicts down to the axis, and
    // ends there; an empty bin (here -50) shows nothing above the axis.
    for (const auto& [bin, count] : std::map<int, int>{{66, 0}, {106, 1}, {113, 50}, {115, 251}}) {
        const int middle = (X(bin + 4) + X(bin + 5)) / 2;
        int blue = 0;
        for (int row = Y(280 - count); row < Y(280) + pen; ++row) {
            blue += At(middle, row) == kBlue;
        }
        EXPECT_EQ(blue, Y(280) + pen - Y(280 - count)) << "bin " << bin;
        EXPECT_NE(At(middle, Y(280 - count) - 1), kBlue) << "bin " << bin;
    }

    // Solid grid rows at counts 50 to 250, under the bars that reach them.
    for (const int y : {230, 180, 130, 80, 30}) {
        wrong = 0;
        for (int row = Y(y); row < Y(y) + pen; ++row) {
            for (int column = X(11); column < X(127) + pen; ++column) {
                wrong += At(column, row) != (barReaches(column, row) ? kBlue : kBlack);
            }
        }
        EXPECT_EQ(wrong, 0) << "grid row at " << y;
    }

    // Texts as the picture's font prints them at this resolution: the label
    // row one text line under the axis, a caption at the top.
    const QRect clip(origin, size);
    const int line = form.Picture1->font().pixelSize() * dpr;
    EXPECT_EQ(PrintedDifferences(shot, QPoint(X(1), Y(280) + line), clip, *form.Picture1,
                                 main_window::ToQString(engine::kLabelRow)),
              0);
    // Each of the twelve numbers stands centred within 2 units of its tick.
    std::vector<std::pair<int, int>> numbers;  // first and last column with ink
    const int gap = 6 * dpr;                   // wider than within a number, narrower than between
    for (int column = origin.x(); column < origin.x() + size.width(); ++column) {
        if (CountPixels(shot, QRect(column, Y(280) + line, 1, line), back) == line) {
            continue;
        }
        if (numbers.empty() || column - numbers.back().second > gap) {
            numbers.emplace_back(column, column);
        }
        numbers.back().second = column;
    }
    ASSERT_EQ(numbers.size(), 12U);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const double centre = (numbers[i].first + numbers[i].second) / 2.0;
        EXPECT_NEAR(centre, X(10.0 * static_cast<double>(i + 1)), 2.0 * size.width() / 130.0)
            << "number " << i + 1;
    }
    EXPECT_EQ(PrintedDifferences(shot, QPoint(X(5), Y(7)), clip, *form.Picture1,
                                 QStringLiteral("（縦軸は実験回数）")),
              0);
}

}  // namespace
}  // namespace widget_tests
