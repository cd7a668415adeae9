#include <QFontInfo>
#include <QScreen>

#include "help_window/form2.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

class HelpWindow : public ::testing::Test, public Outside {
protected:
    void SetUp() override {
        help.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Ink(text.rect()) > 0; }));
    }
    int Ink(QRect area) const {
        area &= text.rect();
        return area.width() * area.height() - CountPixels(text, area, qRgb(255, 255, 255));
    }
    // Printed line n (from 1), one em high, in device pixels.
    QRect Line(int n) const {
        const int em = help.Picture1->font().pixelSize() * dpr;
        return QRect(0, (n - 1) * em, text.width(), em) & text.rect();
    }

    help_window::Form2 help{*this};
    const QImage& text = help.Picture1->Image();
    const int dpr = static_cast<int>(help.devicePixelRatioF());
};

TEST_F(HelpWindow, LooksAsDesignedAndPrintsFromTheTopLeftWithoutWrapping) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96.0) {
        GTEST_SKIP() << "pixel sizes are given for 96 dpi";
    }
    EXPECT_EQ(help.windowTitle(), QStringLiteral(" ペルナムの実験３＿ヘルプ（設問と操作方法）　"));
    const std::pair<QWidget*, QRect> places[] = {{&help, {206, 136, 617, 496}},
                                                 {help.Command1, {560, 0, 49, 25}},
                                                 {help.Picture1, {8, 32, 601, 457}},
                                                 {help.Line1, {8, 24, 601, 1}}};
    for (const auto& [control, place] : places) {
        EXPECT_EQ(control->geometry(), place) << control->metaObject()->className();
    }
    EXPECT_EQ(help.Command1->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(text.size(), QSize(597, 453) * dpr);  // inside the 2-pixel sunken border
    EXPECT_EQ(QFontInfo(help.Picture1->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QApplication::focusWidget(), help.Command1);
    EXPECT_EQ(help.Command1->nextInFocusChain(), help.Picture1);

    // Lines 1, 12 and 21 are empty; all 29 fit, and nothing is printed below.
    for (int n = 1; n <= 29; ++n) {
        EXPECT_EQ(Ink(Line(n)) > 0, n != 1 && n != 12 && n != 21) << "line " << n;
    }
    EXPECT_EQ(Ink(QRect(0, Line(30).top() + 2 * dpr, text.width(), text.height())), 0);
    // Indents are full-width spaces; the long line 11 is cut off at the edge.
    EXPECT_EQ(Ink(QRect(0, Line(11).top(), 7 * 15 * dpr, Line(11).height())), 0);
    EXPECT_GT(Ink(QRect(text.width() - 20 * dpr, Line(11).top(), 20 * dpr, Line(11).height())), 0);
}

TEST_F(HelpWindow, ScreenShowsAnEmptyFirstLineAndTheHeadingOnTheSecond) {
    const QImage shot = help.grab().toImage();
    const QRect inner = help.Picture1->contentsRect().translated(help.Picture1->pos());
    const QRect clip(inner.topLeft() * dpr, inner.size() * dpr);
    const int line = help.Picture1->font().pixelSize() * dpr;
    EXPECT_EQ(
        CountPixels(shot, QRect(clip.topLeft(), QSize(clip.width(), line)), qRgb(255, 255, 255)),
        clip.width() * line);
    EXPECT_EQ(PrintedDifferences(shot, clip.topLeft() + QPoint(0, line), clip, *help.Picture1,
                                 QStringLiteral("　【問　　題】")),
              0);
}

TEST_F(HelpWindow, CloseUnloadsItAndAsksForTheMainWindow) {
    help.Command1->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(log, std::vector<std::string>{"ShowMainWindow"});
    QCoreApplication::removePostedEvents(&help, QEvent::DeferredDelete);  // owned by the test
}

}  // namespace
}  // namespace widget_tests
