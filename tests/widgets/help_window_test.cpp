#include <QAccessible>
#include <QApplication>

#include "controls/window_metrics.h"
#include "engine/help_page.h"
#include "form/raster.h"
#include "form/spoken.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

// What the help area is told, lit in an area twice as wide: the same texts at
// the same places and spacing, with room to spare.
class TwiceAsWide final : public picture::Sink {
public:
    explicit TwiceAsWide(controls::PictureArea& wide) : wide_(wide) {}
    void Clear(form::DeviceSize area, double ratio) override {
        wide_.Clear({2 * area.width, area.height}, ratio);
    }
    void Fill(const form::DeviceRect& extent, engine::Rgb colour) override {
        wide_.Fill(extent, colour);
    }
    void Print(form::DevicePoint at, std::string_view text, int pixels, double spacing) override {
        wide_.Print(at, text, pixels, spacing);
    }
    double Measure(std::string_view text, int pixels, double spacing) override {
        return wide_.Measure(text, pixels, spacing);
    }

private:
    controls::PictureArea& wide_;
};

// The help window, shown from the main window, its text printed.
class HelpWindowTest : public ::testing::Test, public ScriptedProgram {
protected:
    void SetUp() override {
        shell.TakeSteps();
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked == 2; }));
        Child<QPushButton>(shell.Window("main"), "helpButton")->click();
        help = shell.Window("help");
        ASSERT_NE(help, nullptr);
        area = Child<controls::PictureArea>(help, "helpText");
        ASSERT_TRUE(QTest::qWaitFor([&] { return Ink(Text(), Text().rect(), kWhite) > 0; }));
    }
    void TearDown() override { delete shell.Window("help"); }

    const QImage& Text() const { return area->Image(); }
    // Printed line n (from 1), one em high, in device pixels.
    QRect Line(int n) const {
        const int em = form::DeviceFontPixels(area->font().pixelSize(), area->devicePixelRatioF());
        return QRect(0, (n - 1) * em, Text().width(), em) & Text().rect();
    }

    QWidget* help = nullptr;
    controls::PictureArea* area = nullptr;
};

}  // namespace

// Lines 1, 12 and 21 are empty, all 29 fit and nothing is printed below; the
// heading "　【問　　題】" stands one full-width space in. Every line ends at
// least 4 pixels inside the area with its last character whole: its ink is
// what the same line leaves in an area with room to spare. Printed again into
// the same area, the text leaves the same pixels.
TEST_F(HelpWindowTest, PrintsEveryLineWholeFromTheTopLeft) {
    EXPECT_EQ(CoveredLowerEdge(help, Child(help, "closeButton")), 0);
    constexpr const form::Control& kHelpText = form::ControlNamed(form::kHelpWindow, "helpText");
    const picture::Geometry geometry = picture::GeometryOf(kHelpText, controls::LogicalDpi());
    controls::PictureArea wide(nullptr, form::Spoken::PrintedLines);
    wide.setFont(area->font());
    wide.setPalette(area->palette());
    TwiceAsWide twice(wide);
    picture::PictureSurface wideText(geometry, area->devicePixelRatioF(), twice);
    engine::PrintHelpPage(wideText);
    for (int n = 1; n <= 29; ++n) {
        const QRect ink = InkBounds(Text(), Line(n), kWhite);
        EXPECT_EQ(ink.isEmpty(), n == 1 || n == 12 || n == 21) << "line " << n;
        const QRect band(0, Line(n).top(), wide.Image().width(), Line(n).height());
        EXPECT_EQ(ink, InkBounds(wide.Image(), band, kWhite)) << "line " << n;
        EXPECT_LT(ink.right(), Text().width() - 4 * area->devicePixelRatioF()) << "line " << n;
    }
    EXPECT_EQ(
        Ink(Text(), QRect(0, Line(30).top() + 2 * Pen(*area), Text().width(), Text().height()),
            kWhite),
        0);
    const QRect heading = InkBounds(Text(), Line(2), kWhite);
    const int em = Line(2).height();
    EXPECT_GE(heading.left(), em);
    EXPECT_LT(heading.left(), 2 * em);
    const QImage once = Text();
    picture::PictureSurface again(geometry, area->devicePixelRatioF(), *area);
    engine::PrintHelpPage(again);
    EXPECT_TRUE(Text() == once);
}

// A screen reader reads the help as read-only text, a heading or a sentence
// to a line, line by line with Down; a character's place is where it was
// printed. Enter on the focused close button unloads the window and brings a
// fresh main window.
TEST_F(HelpWindowTest, ScreenReaderReadsTheLinesAndEnterCloses) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(area);
    EXPECT_EQ(face->role(), QAccessible::EditableText);
    EXPECT_TRUE(face->state().readOnly);
    QAccessibleTextInterface* reader = face->textInterface();
    ASSERT_NE(reader, nullptr);
    QStringList expected;
    for (const form::spoken::Entry& entry : form::spoken::HelpReading()) {
        expected << QString::fromStdString(entry.text);
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
    // The fifth entry, a sentence printed on two lines, 38 characters behind
    // eight indents and then the rest behind seven: its 39th character stands
    // one line lower and one indent further left than its first.
    int fifth = 0;
    for (int entry = 0; entry < 4; ++entry) {
        fifth += static_cast<int>(expected[entry].size()) + 1;
    }
    const QRect first = reader->characterRect(fifth);
    const QRect continued = reader->characterRect(fifth + 38);
    const double em = Line(2).top() / area->devicePixelRatioF();
    EXPECT_NEAR(continued.top() - first.top(), em, 1.0);
    EXPECT_LT(continued.left(), first.left());
    // Nothing follows the end; Qt's own answer there never returns.
    for (const auto type : {QAccessible::WordBoundary, QAccessible::SentenceBoundary}) {
        EXPECT_TRUE(reader->textAtOffset(-1, type, &start, &end).isEmpty()) << type;
    }
    auto* close = Child<QPushButton>(help, "closeButton");
    EXPECT_EQ(QApplication::focusWidget(), close);
    EXPECT_EQ(close->nextInFocusChain(), area);
    answers = {"35", "100"};
    QTest::keyClick(close, Qt::Key_Enter);
    EXPECT_FALSE(help->isVisible());
    EXPECT_NE(shell.Window("main"), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked == 4; }));
    delete shell.Window("main");
}

// A screen reader's highlight falls on the character read: the last
// character of every printed line stands where that line's ink ends, in the
// spacing the text was fitted with.
TEST_F(HelpWindowTest, EachCharacterStandsWhereItWasPrinted) {
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(area)->textInterface();
    const double ratio = area->devicePixelRatioF();
    const QPoint inner = area->mapToGlobal(area->contentsRect().topLeft());
    int offset = 0;
    int lines = 0;
    for (int entry = 0; entry < area->Spoken().Entries().size(); ++entry) {
        for (const form::spoken::Printed& piece : area->Spoken().PrintedOf(entry)) {
            offset += piece.length;
            if (piece.column + piece.length != QString::fromUtf8(piece.lineText).size()) {
                continue;
            }
            const QRect cell = reader->characterRect(offset - 1).translated(-inner);
            // The middle of the line: a neighbour's glyph may reach its edge rows.
            const int edge = static_cast<int>(2 * ratio);
            const QRect ink =
                InkBounds(Text(), Line(piece.line + 1).adjusted(0, edge, 0, -edge), kWhite);
            EXPECT_GE(ink.right() / ratio, cell.left() - 1) << "line " << piece.line;
            EXPECT_LE(ink.right() / ratio, cell.right() + 1) << "line " << piece.line;
            EXPECT_NEAR(cell.top(), Line(piece.line + 1).top() / ratio, 1) << "line " << piece.line;
            ++lines;
        }
        offset += 1;  // the line feed between entries
    }
    EXPECT_EQ(lines, 26);  // every printed line but the three empty ones
}

}  // namespace widget_tests
