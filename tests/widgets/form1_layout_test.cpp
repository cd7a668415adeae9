#include <QApplication>
#include <QFontInfo>
#include <QScreen>

#include "widgets/fakes.h"

namespace widget_tests {

TEST_F(ShownForm, LooksAndTabsAsDesignedAndKeepsPlacesWhenGrown) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96.0) {
        GTEST_SKIP() << "pixel sizes are given for 96 dpi";
    }
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QImage icon = form.windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_GT(CountPixels(icon, icon.rect(), qRgb(255, 0, 0)), 0);
    EXPECT_GT(CountPixels(icon, icon.rect(), qRgb(255, 255, 0)), 0);

    form.Command1->setFocus();
    for (QWidget* next : std::initializer_list<QWidget*>{
             form.Command2, form.Command3, form.Picture1, form.Command4, form.Command1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }

    // Twips become pixels at 15 a pixel; places are fixed, not a layout that
    // spreads them when the window grows.
    EXPECT_EQ(form.geometry(), QRect(232, 99, 555, 512));
    form.resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Command1->geometry(), QRect(448, 448, 89, 41));
    EXPECT_EQ(form.Picture1->geometry(), QRect(8, 40, 537, 385));

    // QFontInfo names the face actually matched: fails if the font is missing.
    for (const QWidget* control :
         std::initializer_list<QWidget*>{form.Picture1, form.Command1, form.Command2, form.Command3,
                                         form.Command4, form.Label84, form.Label83, form.Label82,
                                         form.Label4, form.Label3, form.Label1, form.Label2}) {
        EXPECT_EQ(QFontInfo(control->font()).family(), QStringLiteral("IPAPGothic"))
            << control->metaObject()->className();
    }
    EXPECT_EQ(QFontInfo(form.Label84->font()).pixelSize(), 21);
    EXPECT_TRUE(form.Label84->font().bold());
    // Texts start at the top of the labels and stay clear of the lower border.
    for (QLabel* label : {form.Label84, form.Label83, form.Label82, form.Label4, form.Label1}) {
        const QImage image = label->grab().toImage();
        const auto dpr = static_cast<int>(image.devicePixelRatio());
        const QRect inner = label->contentsRect();
        const QRect lowest(inner.left() * dpr, (inner.bottom() + 1) * dpr - 1, inner.width() * dpr,
                           1);
        EXPECT_EQ(CountPixels(image, lowest, label->palette().color(QPalette::Window).rgb()),
                  lowest.width())
            << label->text().toStdString();
    }
    for (QLabel* label : {form.Label84, form.Label82, form.Label4}) {
        // Bottom-left, clear of the text.
        EXPECT_EQ(label->grab().toImage().pixelColor(4, 20),
                  label == form.Label84 ? QColor(128, 255, 255) : QColor(Qt::white));
    }
}

}  // namespace widget_tests
