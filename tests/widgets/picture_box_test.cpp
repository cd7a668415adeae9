#include <QFontMetrics>

#include "main_window/picture_box.h"
#include "widgets/fakes.h"

namespace widget_tests {

TEST(PictureBoxTest, DrawsPlainPixelsAndPrintsBelowRightOfThePoint) {
    using main_window::PictureBox;
    const QRgb back = qRgb(0, 255, 255);    // not white, so erasing must use the background
    PictureBox box{nullptr, 130.0, 300.0};  // sized like the window's, with a 2-pixel border
    box.setPalette(QPalette(Qt::white, QColor(back)));
    QFont font = box.font();
    font.setPixelSize(12);
    box.setFont(font);
    box.resize(537, 385);
    box.show();  // a hidden widget gets its resize only when shown
    box.Cls();
    // The image has one pixel per device pixel of the 533 x 381 inner area.
    const int dpr = static_cast<int>(box.devicePixelRatioF());
    const int width = 533 * dpr;
    const int height = 381 * dpr;
    const QRect all(0, 0, width, height);
    ASSERT_EQ(box.Image().rect(), all);
    const auto count = [&box](QRect area, QRgb c) { return CountPixels(box.Image(), area, c); };
    EXPECT_EQ(box.ToDevice(0, 0), QPoint(0, 0));
    EXPECT_EQ(box.ToDevice(130, 300), QPoint(width - 1, height - 1));

    box.SetCurrentX(20);
    box.SetCurrentY(100);
    box.Print("250（縦軸）");
    const int lineHeight = QFontMetrics(box.font()).height() * dpr;
    const QRect line = all & QRect(box.ToDevice(20, 100), QSize(width, lineHeight));
    // Text is antialiased, so ink is anything but the background; there is
    // some on the text line and none above, left of or below it.
    EXPECT_LT(count(line, back), line.width() * line.height());
    EXPECT_EQ(count(all, back) - count(line, back), width * height - line.width() * line.height());
    EXPECT_EQ(box.CurrentX(), 0.0F);
    // Lines advance by one em, the designed face's line height.
    EXPECT_NEAR(box.CurrentY(), 100.0 + box.font().pixelSize() / (381.0 / 300.0), 1e-3);

    box.Cls();
    EXPECT_EQ(std::tuple(count(all, back), box.CurrentX(), box.CurrentY()),
              std::tuple(width * height, 0.0F, 0.0F));

    // Exactly the pixels from end to end in colour 12, without blending; a
    // line is as many device pixels wide as there are per logical pixel.
    const auto expectStroke = [&](auto draw, float x1, float y1, float x2, float y2) {
        box.Cls();
        (box.*draw)(x1, y1, x2, y2, 12);
        const QRect drawn = QRect::span(box.ToDevice(x1, y1), box.ToDevice(x2, y2))
                                .adjusted(0, 0, dpr - 1, dpr - 1);
        EXPECT_EQ(count(drawn, qRgb(255, 0, 0)), drawn.width() * drawn.height()) << x2;
        EXPECT_EQ(count(all, back), width * height - drawn.width() * drawn.height()) << x2;
    };
    expectStroke(&PictureBox::Line, 3, 280, 127, 280);
    expectStroke(&PictureBox::Line, 3, 280, 3, 10);
    expectStroke(&PictureBox::LineBox, 5, 280, 6, 280);  // a box of no height is one row
}

}  // namespace widget_tests
