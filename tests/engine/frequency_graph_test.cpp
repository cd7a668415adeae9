#include "engine/frequency_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Op {
    enum Kind { kLine, kBox, kSetX, kSetY, kPrint, kPrintNothing, kCls } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = -1;
    std::string text;
};

class RecordingSurface final : public engine::DrawingSurface {
public:
    void Line(float x1, float y1, float x2, float y2, int color) override {
        ops.push_back({Op::kLine, x1, y1, x2, y2, color, {}});
    }
    void LineBox(float x1, float y1, float x2, float y2, int color) override {
        ops.push_back({Op::kBox, x1, y1, x2, y2, color, {}});
    }
    void SetCurrentX(float x) override { ops.push_back({Op::kSetX, x, 0, 0, 0, -1, {}}); }
    void SetCurrentY(float y) override { ops.push_back({Op::kSetY, 0, y, 0, 0, -1, {}}); }
    void Print(std::string_view text) override {
        ops.push_back({Op::kPrint, 0, 0, 0, 0, -1, std::string(text)});
    }
    void Print() override { ops.push_back({Op::kPrintNothing, 0, 0, 0, 0, -1, {}}); }
    void Cls() override { ops.push_back({Op::kCls, 0, 0, 0, 0, -1, {}}); }

    std::vector<Op> ops;
};

void ExpectLine(const Op& op, float x1, float y1, float x2, float y2, int color,
                const std::string& where) {
    EXPECT_EQ(op.kind, Op::kLine) << where;
    EXPECT_EQ(op.x1, x1) << where;
    EXPECT_EQ(op.y1, y1) << where;
    EXPECT_EQ(op.x2, x2) << where;
    EXPECT_EQ(op.y2, y2) << where;
    EXPECT_EQ(op.color, color) << where;
}

class FrequencyGraph : public testing::Test {
protected:
    void Draw() { engine::DrawFrequencyGraph(counts, surface); }
    engine::ShortageCounts counts;
    RecordingSurface surface;
};

TEST_F(FrequencyGraph, IssuesTheFrameGridAndCaptionsInOrder) {
    Draw();
    const std::vector<Op>& ops = surface.ops;
    ASSERT_EQ(ops.size(), 1641U + 9U + 15U);
    std::size_t i = 0;
    ExpectLine(ops[i++], 3, 280, 127, 280, 0, "horizontal axis");
    for (int x = 10; x <= 120; x += 10) {
        ExpectLine(ops[i++], float(x), 278, float(x), 285, 0, "tick " + std::to_string(x));
    }
    ExpectLine(ops[i++], 3, 280, 3, 10, 0, "vertical axis");
    for (int y = 280; y >= 20; y -= 10) {
        ExpectLine(ops[i++], 2, float(y), 4, float(y), 0, "tick " + std::to_string(y));
    }
    for (int y = 270; y >= 30; y -= 10) {
        for (int x = 11; x <= 127; x += 2) {
            ExpectLine(ops[i++], float(x), float(y), float(x + 1), float(y), 0, "dash");
        }
    }
    for (int y : {230, 180, 130, 80, 30}) {
        ExpectLine(ops[i++], 11, float(y), 127, float(y), 0, "solid " + std::to_string(y));
    }
    const struct {
        float x, y;
        const char* text;
    } captions[] = {
        {5, 7, "（縦軸は実験回数）"},
        {105, 7, "（横軸は不足枚数）"},
        {5, 27, "250"},
        {5, 77, "200"},
        {5, 127, "150"},
        {5, 177, "100"},
        {5, 227, "50"},
    };
    for (const auto& caption : captions) {
        ASSERT_EQ(ops[i].kind, Op::kSetX);
        EXPECT_EQ(ops[i++].x1, caption.x);
        ASSERT_EQ(ops[i].kind, Op::kSetY);
        EXPECT_EQ(ops[i++].y1, caption.y);
        ASSERT_EQ(ops[i].kind, Op::kPrint);
        EXPECT_EQ(ops[i++].text, caption.text);
    }
    EXPECT_EQ(i, 1521U + 21U);
}

TEST_F(FrequencyGraph, DrawsOneBoxPerBinFromTheBaselineThenTheLabelRow) {
    counts(1) = 3;
    counts(106) = 250;
    counts(116) = 1000;
    counts(117) = 1;
    Draw();
    const std::vector<Op>& ops = surface.ops;
    const std::size_t firstBar = 1521 + 21;
    for (int n = 1; n <= 120; ++n) {
        const Op& bar = ops[firstBar + static_cast<std::size_t>(n - 1)];
        ASSERT_EQ(bar.kind, Op::kBox) << "bin " << n;
        EXPECT_EQ(bar.x1, float(n + 4));
        EXPECT_EQ(bar.x2, float(n + 5));
        EXPECT_EQ(bar.y1, 280.0F);
        EXPECT_EQ(bar.y2, float(280 - counts(n))) << "bin " << n;
        EXPECT_EQ(bar.color, 9);
    }
    EXPECT_EQ(ops[firstBar + 105].y2, 30.0F);    // 250 trials reach the top solid line
    EXPECT_EQ(ops[firstBar + 115].y2, -720.0F);  // nothing is scaled down

    const std::size_t tail = firstBar + 120;
    EXPECT_EQ(ops[tail].kind, Op::kPrintNothing);
    ASSERT_EQ(ops[tail + 1].kind, Op::kSetX);
    EXPECT_EQ(ops[tail + 1].x1, 1.0F);
    ASSERT_EQ(ops[tail + 2].kind, Op::kPrint);
    EXPECT_EQ(ops[tail + 2].text,
              "        -110    -100     -90      -80      -70      -60     -50      -40      -30 "
              "     -20      -10       0");
    EXPECT_EQ(ops[tail + 2].text.size(), 107U);
}

TEST_F(FrequencyGraph, CountsItsOperations) {
    Draw();
    int lines = 0;
    int prints = 0;
    for (const Op& op : surface.ops) {
        lines += op.kind == Op::kLine || op.kind == Op::kBox;
        prints += op.kind == Op::kPrint || op.kind == Op::kPrintNothing;
        EXPECT_NE(op.kind, Op::kCls);  // the graph paints over, it never erases
    }
    EXPECT_EQ(lines, 1641);
    EXPECT_EQ(prints, 9);
}

}  // namespace
