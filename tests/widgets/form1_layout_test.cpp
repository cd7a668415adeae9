#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <tuple>
#include <vector>

#include "main_window/form1.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

class Form1Layout : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96.0) {
            GTEST_SKIP() << "pixel geometry is given for 96 dpi";
        }
        form.show();
    }

    void ExpectControlsInPlace() const {
        const std::vector<std::pair<QWidget*, QRect>> rows{
            {form.Command2, {0, 0, 57, 25}},    {form.Label84, {128, 0, 297, 25}},
            {form.Command4, {440, 0, 57, 25}},  {form.Command3, {496, 0, 57, 25}},
            {form.Picture1, {8, 40, 537, 385}}, {form.Label83, {16, 440, 97, 25}},
            {form.Label82, {112, 440, 73, 25}}, {form.Label4, {200, 456, 153, 25}},
            {form.Label3, {352, 456, 73, 25}},  {form.Label1, {16, 472, 97, 25}},
            {form.Label2, {112, 472, 73, 25}},  {form.Command1, {448, 448, 89, 41}},
        };
        for (const auto& [control, expected] : rows) {
            EXPECT_EQ(control->geometry(), expected) << expected.x() << "," << expected.y();
        }
    }

    ScriptedDialogs dialogs{{"100", "100"}};
    ThrowingProgram program;
    FixedClock clock;
    ScriptedRandom random;
    main_window::Form1 form{{dialogs, program, clock, random}};
};

TEST_F(Form1Layout, ControlsKeepTheirPixelPlacesWhenTheWindowGrows) {
    EXPECT_EQ(form.geometry(), QRect(232, 99, 555, 512));
    ExpectControlsInPlace();
    form.resize(900, 800);
    QCoreApplication::processEvents();
    ASSERT_EQ(form.size(), QSize(900, 800));
    ExpectControlsInPlace();
}

TEST_F(Form1Layout, TextsFontsAndBackgrounds) {
    const QColor white(Qt::white);
    // Buttons keep the style's background.
    const std::vector<std::tuple<QWidget*, const char*, int, bool, QColor>> rows{
        {form.Command1, "実験開始", 15, false, {}},
        {form.Command2, "終了", 15, false, {}},
        {form.Command3, "初期化", 15, false, {}},
        {form.Command4, "HELP", 15, false, {}},
        {form.Label84, "ペルナムの実験（その３）", 21, true, QColor(128, 255, 255)},
        {form.Label83, "お客人数", 19, true, white},
        {form.Label1, "実験回数", 19, true, white},
        {form.Label4, "不足枚数の平均", 19, true, white},
        {form.Label82, "", 19, false, white},
        {form.Label2, "", 19, false, white},
        {form.Label3, "", 19, false, white},
    };
    for (const auto& [control, text, pixelSize, bold, background] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(control->property("text").toString(), QString::fromUtf8(text));
        // QFontInfo names the face actually matched: fails if the font is missing.
        const QFontInfo info(control->font());
        EXPECT_EQ(info.family(), QStringLiteral("IPAPGothic"));
        EXPECT_EQ(info.pixelSize(), pixelSize);
        EXPECT_EQ(info.bold(), bold);
        if (background.isValid()) {
            // Bottom-left, inside the border and clear of the top-centred text.
            const QImage shot = control->grab().toImage();
            EXPECT_EQ(shot.pixelColor(4, shot.height() - 5), background);
        }
    }
}

TEST_F(Form1Layout, TitleBarAndCoinIcon) {
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral(" ペルナムの実験３　")));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    const QImage icon = form.windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(16, 6), qRgb(255, 255, 0));
    EXPECT_GT(CountPixels(icon, QRect(8, 8, 16, 16), qRgb(255, 0, 0)), 0);
    // Forcing every pixel opaque changes nothing only if all already were.
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(argb,
              icon.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32));
}

TEST_F(Form1Layout, TabCyclesThroughTheButtonsAndThePicture) {
    const std::vector<QWidget*> expected{form.Command2, form.Command3, form.Picture1, form.Command4,
                                         form.Command1};
    std::vector<QWidget*> visited;
    QWidget* at = form.Command1;
    // Bounded, so that a broken chain cannot loop forever.
    for (int step = 0; step < 100 && visited.size() < expected.size(); ++step) {
        at = at->nextInFocusChain();
        if ((at->focusPolicy() & Qt::TabFocus) != 0) {
            visited.push_back(at);
        }
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace widget_tests
