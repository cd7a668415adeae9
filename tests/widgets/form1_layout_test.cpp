#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <tuple>

#include "widgets/fakes.h"

namespace widget_tests {

TEST_F(ShownForm, LooksAndTabsAsDesignedAndKeepsPlacesWhenGrown) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96.0) {
        GTEST_SKIP() << "pixel sizes are given for 96 dpi";
    }
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QImage icon = form.windowIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_GT(CountPixels(icon, icon.rect(), qRgb(255, 0, 0)), 0);
    EXPECT_GT(CountPixels(icon, icon.rect(), qRgb(255, 255, 0)), 0);

    const std::pair<QWidget*, const char*> texts[] = {{form.Command1, "実験開始"},
                                                      {form.Command2, "終了"},
                                                      {form.Command3, "初期化"},
                                                      {form.Command4, "HELP"},
                                                      {form.Label84, "ペルナムの実験（その３）"},
                                                      {form.Label83, "お客人数"},
                                                      {form.Label1, "実験回数"},
                                                      {form.Label4, "不足枚数の平均"}};
    for (const auto& [control, text] : texts) {
        EXPECT_EQ(control->property("text").toString(), QString::fromUtf8(text));
    }
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral(" ペルナムの実験３　")));

    form.Command1->setFocus();
    for (QWidget* next : std::initializer_list<QWidget*>{
             form.Command2, form.Command3, form.Picture1, form.Command4, form.Command1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }

    // Control, place, font pixel size and weight.
    const std::vector<std::tuple<QWidget*, QRect, int, int>> rows{
        {form.Command2, {0, 0, 57, 25}, 15, 400},    {form.Label84, {128, 0, 297, 25}, 21, 700},
        {form.Command4, {440, 0, 57, 25}, 15, 400},  {form.Command3, {496, 0, 57, 25}, 15, 400},
        {form.Picture1, {8, 40, 537, 385}, 12, 400}, {form.Label83, {16, 440, 97, 25}, 19, 700},
        {form.Label82, {112, 440, 73, 25}, 19, 400}, {form.Label4, {200, 456, 153, 25}, 19, 700},
        {form.Label3, {352, 456, 73, 25}, 19, 400},  {form.Label1, {16, 472, 97, 25}, 19, 700},
        {form.Label2, {112, 472, 73, 25}, 19, 400},  {form.Command1, {448, 448, 89, 41}, 15, 400}};
    EXPECT_EQ(form.geometry(), QRect(232, 99, 555, 512));
    form.resize(900, 800);  // places are fixed pixels, not a layout that spreads them
    QCoreApplication::processEvents();
    ASSERT_EQ(form.size(), QSize(900, 800));
    for (const auto& [control, place, pixelSize, weight] : rows) {
        // QFontInfo names the face actually matched: fails if the font is missing.
        const QFontInfo font(control->font());
        EXPECT_EQ(std::tuple(control->geometry(), font.family().toStdString(), font.pixelSize(),
                             font.weight()),
                  std::tuple(place, "IPAPGothic", pixelSize, weight))
            << "at " << place.x() << "," << place.y();
        if (qobject_cast<QLabel*>(control) != nullptr) {  // bottom-left, clear of the text
            EXPECT_EQ(control->grab().toImage().pixelColor(4, 20),
                      control == form.Label84 ? QColor(128, 255, 255) : QColor(Qt::white));
        }
    }
}

}  // namespace widget_tests
