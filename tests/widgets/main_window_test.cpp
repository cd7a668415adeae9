#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QScreen>

#include "widgets/fakes.h"

namespace widget_tests {
namespace {

QString Spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void Tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

}  // namespace

TEST_F(ShownWindow, LooksAndTabsAsDesignedAndKeepsPlacesWhenGrown) {
    if (QGuiApplication::primaryScreen()->logicalDotsPerInchX() != 96.0) {
        GTEST_SKIP() << "pixel sizes are given for 96 dpi";
    }
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QImage icon = window.windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
    EXPECT_EQ(icon.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(icon.pixel(14, 12), qRgb(255, 0, 0));  // the top of the middle digit

    Button("startButton")->setFocus();
    for (const char* next :
         {"quitButton", "initializeButton", "graph", "helpButton", "startButton"}) {
        Tab();
        EXPECT_EQ(QApplication::focusWidget(), Child(&window, next));
    }

    // Twips become pixels at 15 a pixel; places are fixed, not a layout that
    // spreads them when the window grows. The graph's image has device pixels.
    EXPECT_EQ(window.geometry(), QRect(232, 99, 555, 512));
    window.resize(900, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(Button("startButton")->geometry(), QRect(448, 448, 89, 41));
    EXPECT_EQ(Graph()->geometry(), QRect(8, 40, 537, 385));
    EXPECT_EQ(Graph()->Image().size(), QSize(533, 381) * window.devicePixelRatio());

    // QFontInfo names the face actually matched: fails if the font is missing.
    EXPECT_EQ(QFontInfo(Graph()->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(Button("helpButton")->font()).family(), QStringLiteral("IPAPGothic"));
    // Every label: its face, its text clear of the lower border, its own colour.
    for (QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
        const QImage image = label->grab().toImage();
        const auto dpr = static_cast<int>(image.devicePixelRatio());
        const QRect inner = label->contentsRect();
        const QRect lowest(inner.left() * dpr, (inner.bottom() + 1) * dpr - 1, inner.width() * dpr,
                           1);
        const QRgb back =
            label->objectName() == "title" ? qRgb(128, 255, 255) : qRgb(255, 255, 255);
        EXPECT_EQ(CountPixels(image, lowest, back), lowest.width())
            << label->objectName().toStdString();
    }
}

TEST_F(ShownWindow, RunShowsTheMeanAndHoldsTheButtonsMeanwhile) {
    const auto held = [&] {
        return std::tuple(Button("quitButton")->isEnabled(),
                          Button("initializeButton")->isEnabled(), window.cursor().shape());
    };
    onReseed = [&](int) { EXPECT_EQ(held(), std::tuple(false, false, Qt::WaitCursor)); };
    EXPECT_EQ(Spoken(Child(&window, "trialCount")), QStringLiteral("実験回数　100"));
    // A click queued behind the run must not start a second one from inside it.
    QMetaObject::invokeMethod(Button("startButton"), &QPushButton::click, Qt::QueuedConnection);
    Button("startButton")->click();
    QCoreApplication::processEvents();

    EXPECT_EQ(reseeds, 100);                                            // 35 guests, 100 trials
    EXPECT_EQ(Text(&window, "meanShortage"), QStringLiteral("-35.0"));  // all tails
    EXPECT_EQ(held(), std::tuple(true, true, Qt::ArrowCursor));
    EXPECT_FALSE(Button("startButton")->isEnabled());
    // A screen reader hears each value with its caption, and the graph's outcome.
    EXPECT_EQ(Spoken(Child(&window, "meanShortage")), QStringLiteral("不足枚数の平均　-35.0"));
    EXPECT_EQ(Spoken(Graph()),
              QStringLiteral("度数分布のグラフ　実験回数 100回　不足枚数の平均 -35.0"));
}

TEST_F(ShownWindow, KeysPressTheFocusedButtonAndFocusShows) {
    for (const char* name : {"quitButton", "initializeButton", "graph", "helpButton"}) {
        QWidget* control = Child(&window, name);
        const QImage unfocused = control->grab().toImage();
        Tab();
        ASSERT_EQ(QApplication::focusWidget(), control);
        EXPECT_NE(control->grab().toImage(), unfocused) << name;
    }
    Tab();  // the start button: Enter runs the experiment
    QTest::keyClick(Button("startButton"), Qt::Key_Return);
    EXPECT_EQ(Text(&window, "meanShortage"), QStringLiteral("-35.0"));
    Tab();  // quit: Space asks, answered No
    yesNo = {main_window::Answer::No};
    QTest::keyClick(Button("quitButton"), Qt::Key_Space);
    EXPECT_EQ(log.back(), "ペルナムの実験 終了していいですか？");
}

TEST_F(ShownWindow, CountsAreAskedOnlyWhenFirstShown) {
    EXPECT_EQ(Text(&window, "customerCount") + Text(&window, "trialCount"),
              QStringLiteral("35100"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QCoreApplication::processEvents();  // runs whatever the activation queued
    EXPECT_EQ(asked, 2);
}

}  // namespace widget_tests
