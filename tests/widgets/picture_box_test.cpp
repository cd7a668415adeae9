#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "main_window/form_metrics.h"
#include "main_window/picture_box.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

constexpr int kLightRed = 12;
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Segment {
    const char* name;
    float x1, y1, x2, y2;
};

// Sized like the window's graph area: 537 x 385 with a 2-pixel border.
class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        QPalette colours = box.palette();
        colours.setColor(QPalette::Window, Qt::white);
        colours.setColor(QPalette::WindowText, Qt::black);
        box.setPalette(colours);
        box.setFont(main_window::GothicFont(12, false));
        box.resize(537, 385);
        box.show();  // a hidden widget gets its resize only when shown
        box.Cls();
        ASSERT_EQ(box.Image().size(), QSize(533, 381)) << "needs a device pixel ratio of 1";
    }
    int Count(QRect area, QRgb colour) const { return CountPixels(box.Image(), area, colour); }

    main_window::PictureBox box{nullptr, 130.0, 300.0};
    const QRect all{0, 0, 533, 381};
};

TEST_F(PictureBoxTest, ScaleSpansTheInnerArea) {
    EXPECT_EQ(box.ToDevice(0, 0), QPoint(0, 0));
    EXPECT_EQ(box.ToDevice(130, 300), QPoint(532, 380));
}

TEST_F(PictureBoxTest, LinesAreOnePlainPixelWideWithBothEnds) {
    for (const Segment& s : std::vector<Segment>{{"horizontal", 3, 280, 127, 280},
                                                 {"vertical", 3, 280, 3, 10},
                                                 {"shallow", 10, 10, 100, 200},
                                                 {"steep backwards", 40, 250, 20, 20}}) {
        SCOPED_TRACE(s.name);
        box.Cls();
        box.Line(s.x1, s.y1, s.x2, s.y2, kLightRed);
        EXPECT_EQ(Count(all, kRed) + Count(all, kWhite), 533 * 381) << "blended pixels";
        const QPoint from = box.ToDevice(s.x1, s.y1);
        const QPoint to = box.ToDevice(s.x2, s.y2);
        EXPECT_EQ(box.Image().pixel(from), kRed);
        EXPECT_EQ(box.Image().pixel(to), kRed);
        // Exactly one pixel per step along the longer axis, none beyond the ends.
        const bool alongX = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
        const int first = alongX ? std::min(from.x(), to.x()) : std::min(from.y(), to.y());
        const int last = alongX ? std::max(from.x(), to.x()) : std::max(from.y(), to.y());
        EXPECT_EQ(Count(all, kRed), last - first + 1);
        for (int m = first; m <= last; ++m) {
            EXPECT_EQ(Count(alongX ? QRect(m, 0, 1, 381) : QRect(0, m, 533, 1), kRed), 1) << m;
        }
    }
}

TEST_F(PictureBoxTest, BoxesFillBothCorners) {
    for (const Segment& s :
         std::vector<Segment>{{"flat bar", 5, 280, 6, 280}, {"corners swapped", 30, 60, 10, 20}}) {
        SCOPED_TRACE(s.name);
        box.Cls();
        box.LineBox(s.x1, s.y1, s.x2, s.y2, kLightRed);
        const QPoint a = box.ToDevice(s.x1, s.y1);
        const QPoint b = box.ToDevice(s.x2, s.y2);
        const QRect expected(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                             QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
        EXPECT_EQ(Count(expected, kRed), expected.width() * expected.height());
        EXPECT_EQ(Count(all, kRed), expected.width() * expected.height());
    }
}

TEST_F(PictureBoxTest, PrintWritesFromTheCurrentPointThenMovesALineDown) {
    const int lineHeight = QFontMetrics(box.font()).height();
    const double lineInUnits = lineHeight / (381.0 / 300.0);
    box.SetCurrentX(20);
    box.SetCurrentY(100);
    box.Print("250（縦軸）");
    const QPoint at = box.ToDevice(20, 100);
    // Text is antialiased, so ink is anything but the background.
    const auto ink = [&](QRect area) { return area.width() * area.height() - Count(area, kWhite); };
    const QRect line(at, QSize(533 - at.x(), lineHeight));
    EXPECT_GT(ink(line), 0);
    EXPECT_EQ(ink(all), ink(line)) << "ink above, left of or below the text line";
    EXPECT_EQ(box.CurrentX(), 0.0F);
    EXPECT_NEAR(box.CurrentY(), 100.0 + lineInUnits, 1e-3);

    const QImage before = box.Image();
    box.SetCurrentX(50);
    box.Print();
    EXPECT_EQ(box.Image(), before);
    EXPECT_EQ(box.CurrentX(), 0.0F);
    EXPECT_NEAR(box.CurrentY(), 100.0 + 2 * lineInUnits, 1e-3);
}

TEST_F(PictureBoxTest, ClsErasesToTheBackgroundAndHomes) {
    box.LineBox(10, 10, 100, 200, kLightRed);
    QPalette colours = box.palette();
    colours.setColor(QPalette::Window, QColor(0, 255, 255));
    box.setPalette(colours);
    box.Cls();
    EXPECT_EQ(Count(all, qRgb(0, 255, 255)), 533 * 381);
    EXPECT_EQ(box.CurrentX(), 0.0F);
    EXPECT_EQ(box.CurrentY(), 0.0F);
}

TEST_F(PictureBoxTest, RepaintShowsWhatWasDrawn) {
    box.Line(0, 0, 130, 0, kLightRed);
    box.LineBox(60, 100, 70, 150, kLightRed);
    box.repaint();
    const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint border(2, 2);
    for (const QPoint p : {box.ToDevice(0, 0), box.ToDevice(130, 0), box.ToDevice(65, 120)}) {
        EXPECT_EQ(shot.pixel(p + border), kRed) << p.x() << "," << p.y();
    }
    EXPECT_EQ(shot.pixel(box.ToDevice(30, 200) + border), kWhite);
}

}  // namespace
}  // namespace widget_tests
