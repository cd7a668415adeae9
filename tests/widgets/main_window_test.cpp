#include <QAccessible>
#include <QApplication>
#include <QFontInfo>

#include "entry/parameter_entry.h"
#include "form/texts.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

const std::string kQuitBox =
    std::string(form::texts::kQuitTitle) + " " + std::string(form::texts::kEndQuestion);

QString Spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

}  // namespace

TEST_F(ShownWindow, LooksAsDesignedAndKeepsPlacesWhenGrown) {
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    // The rule under the top row lies under the buttons' lower edges.
    EXPECT_EQ(CoveredLowerEdge(&window, Button("quitButton")), 0);
    // Twips become pixels at 15 a pixel; places are fixed, not a layout that
    // spreads them when the window grows. The graph's image has device pixels.
    EXPECT_EQ(window.geometry(), QRect(232, 99, 555, 512));
    window.resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(Button("startButton")->geometry(), QRect(448, 448, 89, 41));
    EXPECT_EQ(Graph()->geometry(), QRect(8, 40, 537, 385));
    EXPECT_EQ(Graph()->Image().size(), QSize(533, 381) * window.devicePixelRatioF());
    // Every label: the Japanese face actually matched, its text clear of the
    // lower border, its own background.
    const QString gothic = QFontInfo(QFont(QStringLiteral("IPAPGothic"))).family();
    for (QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(QFontInfo(label->font()).family(), gothic);
        const QImage image = label->grab().toImage();
        QRect lowest = DeviceInside(label->contentsRect(), label->devicePixelRatioF());
        lowest.setTop(lowest.bottom());
        const QRgb back =
            label->objectName() == "title" ? qRgb(128, 255, 255) : qRgb(255, 255, 255);
        EXPECT_EQ(Ink(image, lowest, back), 0) << label->objectName().toStdString();
    }
}

TEST_F(ShownWindow, RunShowsTheMeanAndHoldsTheButtonsMeanwhile) {
    const auto held = [&] {
        return std::tuple(Button("quitButton")->isEnabled(),
                          Button("initializeButton")->isEnabled(), window.cursor().shape());
    };
    onReseed = [&](int) { EXPECT_EQ(held(), std::tuple(false, false, Qt::WaitCursor)); };
    // A click queued behind the run must not start a second one from inside it.
    QMetaObject::invokeMethod(Button("startButton"), &QPushButton::click, Qt::QueuedConnection);
    Button("startButton")->click();
    QCoreApplication::processEvents();

    EXPECT_EQ(reseeds, 100);                                            // 35 guests, 100 trials
    EXPECT_EQ(Text(&window, "meanShortage"), QStringLiteral("-35.0"));  // all tails
    EXPECT_EQ(held(), std::tuple(true, true, Qt::ArrowCursor));
    EXPECT_FALSE(Button("startButton")->isEnabled());
    // A screen reader hears the graph's outcome, and each value labelled by
    // its caption, in a window.
    EXPECT_EQ(Spoken(Graph()),
              QStringLiteral("度数分布のグラフ　実験回数 100回　不足枚数の平均 -35.0"));
    for (const auto& [caption, value] :
         {std::pair("customerCaption", "customerCount"), std::pair("trialCaption", "trialCount"),
          std::pair("meanCaption", "meanShortage")}) {
        const auto labels = QAccessible::queryAccessibleInterface(Child(&window, value))
                                ->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << value;
        EXPECT_EQ(labels.front().first->object(), Child(&window, caption));
    }
}

// Tab order start, quit, initialize, graph, help; the focus shows on each,
// on the graph area as a frame just inside its border and nothing more;
// Enter and Space press the focused button; quit answered No keeps the run.
TEST_F(ShownWindow, KeysMoveAndShowTheFocusAndPressButtons) {
    for (const char* name : {"quitButton", "initializeButton", "graph", "helpButton"}) {
        QWidget* control = Child(&window, name);
        const QImage unfocused = control->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), control);
        const QImage focused = control->grab().toImage();
        EXPECT_NE(focused, unfocused) << name;
        if (control == Graph()) {
            const QRect within = DeviceInside(Graph()->contentsRect().adjusted(1, 1, -1, -1),
                                              Graph()->devicePixelRatioF());
            EXPECT_EQ(focused.copy(within), unfocused.copy(within));
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(Button("startButton"), Qt::Key_Return);
    EXPECT_EQ(reseeds, 100);
    const auto before = std::tuple(Values(&window), Graph()->Image());
    yesNo = {controls::Answer::No};
    log.clear();
    QTest::keyClick(Button("quitButton"), Qt::Key_Space);
    EXPECT_EQ(log, (std::vector<std::string>{"chime endpinpon.wav", kQuitBox}));
    EXPECT_EQ(std::tuple(Values(&window), Graph()->Image()), before);  // No changes nothing
}

// A run started with the mouse leaves the focus on the graph without a frame.
TEST_F(ShownWindow, TheGraphShowsItsFocusFrameOnlyToTheKeyboard) {
    QTest::mouseClick(Button("startButton"), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), Graph());
    const QImage afterClick = Graph()->grab().toImage();
    Graph()->clearFocus();
    EXPECT_EQ(afterClick, Graph()->grab().toImage());
}

// The run lets input through once as it starts; a command clicked then is
// taken after the run, not in the middle of it.
TEST_F(ShownWindow, CommandsClickedAsARunStartsWaitForIt) {
    yesNo = {controls::Answer::No};
    answers = {"20", "5"};
    const std::string trialBox = "ask" + std::string(entry::kTrialQuestion.title) + " [" +
                                 std::string(entry::kTrialQuestion.defaultText) + "]";
    // Initialize first: after a run only it (or help) lets start run again.
    const std::pair<const char*, std::string> commands[] = {{"initializeButton", trialBox},
                                                            {"quitButton", kQuitBox}};
    for (const auto& [button, last] : commands) {
        QMetaObject::invokeMethod(Button(button), &QPushButton::click, Qt::QueuedConnection);
        Button("startButton")->click();
        EXPECT_EQ(log.empty() ? "" : log.back(), last) << button;
        EXPECT_EQ(log.size(), std::string(button) == "quitButton" ? 2U : 3U) << button;
        log.clear();
    }
}

}  // namespace widget_tests
