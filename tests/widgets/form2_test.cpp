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
        ASSERT_TRUE(QTest::qWaitFor([&] { return Ink(help.Picture1->Image().rect()) > 0; }));
    }
    int Ink(QRect area) const {
        const QImage& image = help.Picture1->Image();
        return area.width() * area.height() - CountPixels(image, area, qRgb(255, 255, 255));
    }
    // Band of printed line n (from 1), in image pixels.
    QRect Band(int line) const {
        const QImage& image = help.Picture1->Image();
        const int height = help.Picture1->font().pixelSize();
        return QRect(0, (line - 1) * height, image.width(), height).intersected(image.rect());
    }

    help_window::Form2 help{*this};
};

TEST_F(HelpWindow, LooksAsDesigned) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96.0) {
        GTEST_SKIP() << "pixel sizes are given for 96 dpi";
    }
    EXPECT_EQ(help.windowTitle(), QStringLiteral(" ペルナムの実験３＿ヘルプ（設問と操作方法）　"));
    EXPECT_EQ(help.geometry(), QRect(206, 136, 617, 496));
    EXPECT_EQ(help.Command1->geometry(), QRect(560, 0, 49, 25));
    EXPECT_EQ(help.Command1->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(help.Picture1->geometry(), QRect(8, 32, 601, 457));
    EXPECT_EQ(help.Picture1->Image().size(), QSize(597, 453));  // inside the 2-pixel border
    EXPECT_EQ(help.Line1->geometry(), QRect(8, 24, 601, 1));
    EXPECT_EQ(QFontInfo(help.Picture1->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(help.Picture1->font()).pixelSize(), 15);
    EXPECT_FALSE(help.Picture1->font().bold());
    EXPECT_EQ(QApplication::focusWidget(), help.Command1);
    EXPECT_EQ(help.Command1->nextInFocusChain(), help.Picture1);
}

TEST_F(HelpWindow, PrintsOnceFromTheTopLeftWithoutWrapping) {
    EXPECT_EQ(Ink(Band(1)), 0);  // the first line is empty
    EXPECT_GT(Ink(Band(2)), 0);  // 　【問　　題】
    EXPECT_EQ(Ink(Band(12)), 0);
    EXPECT_EQ(Ink(Band(21)), 0);
    EXPECT_GT(Ink(Band(29)), 0);  // all 29 lines fit
    EXPECT_EQ(Ink(QRect(0, Band(29).bottom() + 2, 597, 453 - Band(29).bottom() - 2)), 0);
    // The indent is blank and the long line 11 runs on to the right edge, cut off.
    const QRect line11 = Band(11);
    EXPECT_EQ(Ink(QRect(0, line11.top(), 15 * 7, line11.height())), 0);
    EXPECT_GT(Ink(QRect(line11.right() - 20, line11.top(), 20, line11.height())), 0);
}

TEST_F(HelpWindow, CloseUnloadsItAndAsksForTheMainWindow) {
    help.Command1->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(log, std::vector<std::string>{"ShowMainWindow"});
    QCoreApplication::removePostedEvents(&help, QEvent::DeferredDelete);  // owned by the test
}

}  // namespace
}  // namespace widget_tests
