#include <QAccessible>
#include <QApplication>

#include "controls/utf8.h"
#include "engine/help_page.h"
#include "form/raster.h"
#include "form/texts.h"
#include "help_window/help_window.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        help.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Ink(text, text.rect(), kWhite) > 0; }));
    }
    // Printed line n (from 1), one em high, in device pixels.
    QRect Line(int n) const {
        const int em = form::DeviceFontPixels(area->font().pixelSize(), area->devicePixelRatioF());
        return QRect(0, (n - 1) * em, text.width(), em) & text.rect();
    }

    std::vector<std::string> log;
    help_window::HelpWindow help{[this] { log.emplace_back("main window"); }};
    controls::PictureArea* area = Child<controls::PictureArea>(&help, "helpText");
    const QImage& text = area->Image();
};

}  // namespace

// Lines 1, 12 and 21 are empty, all 29 fit and nothing is printed below; the
// heading "　【問　　題】" stands one full-width space in. Every line ends at
// least 4 pixels inside the area with its last character whole: its ink is
// what the same line leaves in an area with room to spare. Printed again into
// the same area, the text leaves the same pixels.
TEST_F(HelpWindowTest, PrintsEveryLineWholeFromTheTopLeftAfresh) {
    EXPECT_EQ(CoveredLowerEdge(&help, Child(&help, "closeButton")), 0);
    controls::PictureArea wide(nullptr, {8955, 6795});
    wide.resize(area->width() * 2, area->height());
    wide.setFont(area->font());
    wide.setPalette(area->palette());
    engine::PrintHelpPage(wide);
    for (int n = 1; n <= 29; ++n) {
        const QRect ink = InkBounds(text, Line(n), kWhite);
        EXPECT_EQ(ink.isEmpty(), n == 1 || n == 12 || n == 21) << "line " << n;
        const QRect band(0, Line(n).top(), wide.Image().width(), Line(n).height());
        EXPECT_EQ(ink, InkBounds(wide.Image(), band, kWhite)) << "line " << n;
        EXPECT_LT(ink.right(), text.width() - 4 * area->devicePixelRatioF()) << "line " << n;
    }
    EXPECT_EQ(
        Ink(text, QRect(0, Line(30).top() + 2 * Pen(*area), text.width(), text.height()), kWhite),
        0);
    const QRect heading = InkBounds(text, Line(2), kWhite);
    const int em = Line(2).height();
    EXPECT_GE(heading.left(), em);
    EXPECT_LT(heading.left(), 2 * em);
    const QImage once = text;
    engine::PrintHelpPage(*area);
    EXPECT_TRUE(text == once);
}

// A screen reader reads the printed lines as read-only text, line by line
// with Down; Enter on the focused close button unloads the window and asks
// for the main window.
TEST_F(HelpWindowTest, ScreenReaderReadsTheLinesAndEnterCloses) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(area);
    EXPECT_EQ(face->role(), QAccessible::EditableText);
    EXPECT_TRUE(face->state().readOnly);
    QAccessibleTextInterface* reader = face->textInterface();
    ASSERT_NE(reader, nullptr);
    QStringList expected;
    for (const std::string_view line : form::texts::kHelpText) {
        expected << controls::ToQString(line);
    }
    EXPECT_EQ(reader->text(0, reader->characterCount()).split(QLatin1Char('\n')), expected);
    int start = 0;
    int end = 0;
    for (int line = 1; line <= 2; ++line) {
        QTest::keyClick(area, Qt::Key_Down);
        EXPECT_EQ(
            reader->textAtOffset(reader->cursorPosition(), QAccessible::LineBoundary, &start, &end),
            expected[line] + QLatin1Char('\n'));
    }
    // Nothing follows the end; Qt's own answer there never returns.
    for (const auto type : {QAccessible::WordBoundary, QAccessible::SentenceBoundary}) {
        EXPECT_TRUE(reader->textAtOffset(-1, type, &start, &end).isEmpty()) << type;
    }
    auto* close = Child<QPushButton>(&help, "closeButton");
    EXPECT_EQ(QApplication::focusWidget(), close);
    EXPECT_EQ(close->nextInFocusChain(), area);
    QTest::keyClick(close, Qt::Key_Enter);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(log, std::vector<std::string>{"main window"});
    QCoreApplication::removePostedEvents(&help, QEvent::DeferredDelete);  // owned by the test
}

}  // namespace widget_tests
