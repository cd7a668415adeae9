#include <QInputDialog>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "controls/form_window.h"
#include "controls/modal_boxes.h"
#include "controls/on_screen.h"
#include "controls/window_metrics.h"
#include "form/raster.h"
#include "widgets/fakes.h"

namespace widget_tests {

// A frame goes the least distance that brings it inside; on a screen smaller
// than the frame its top-left corner stays visible.
TEST(PlaceWithin, MovesTheLeastDistanceAndKeepsTheTopLeftVisible) {
    const QRect screen(0, 0, 800, 600);
    const std::pair<QRect, QPoint> cases[] = {
        {{232, 70, 557, 541}, {232, 59}},    // the lower edge off the screen
        {{300, 10, 557, 541}, {243, 10}},    // the right edge off
        {{-20, -5, 100, 100}, {0, 0}},       // the top-left off
        {{100, 100, 900, 700}, {0, 0}},      // larger than the screen
        {{10, 20, 100, 100}, {10, 20}},      // inside: unchanged
        {{700, 500, 100, 100}, {700, 500}},  // touching the far corner: unchanged
    };
    for (const auto& [frame, place] : cases) {
        EXPECT_EQ(controls::PlaceWithin(frame, screen), place) << frame.x() << "," << frame.y();
    }
    EXPECT_EQ(controls::PlaceWithin({0, 0, 100, 100}, {1920, 30, 800, 600}), QPoint(1920, 30));
}

// A machine without either Japanese face hears of it, and of the package.
TEST(MissingFaceNotice, NamesTheFaceAndThePackageOnlyWhenNoneIsThere) {
    EXPECT_EQ(controls::MissingFaceNotice({"DejaVu Sans", "IPAPGothic"}), "");
    EXPECT_EQ(controls::MissingFaceNotice({"ＭＳ Ｐゴシック"}), "");
    const QString notice = controls::MissingFaceNotice({"DejaVu Sans", "IPAGothic"});
    EXPECT_TRUE(notice.contains("IPAPGothic") && notice.contains("fonts-ipafont-gothic"))
        << notice.toStdString();
}

// Run on a screen of 800 x 600 (ctest's widget_small_screen).
TEST(SmallScreen, BothWindowsMoveWhollyOntoIt) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    controls::FormWindow main(form::kMainWindow);
    controls::FormWindow help(form::kHelpWindow);
    for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&help)}) {
        window->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return available.contains(window->frameGeometry()); }))
            << window->frameGeometry().x() << "," << window->frameGeometry().y();
    }
}

}  // namespace widget_tests

namespace widget_tests {
namespace {

// The laptop and the projector of --screen-pair: the projector of another
// pixel ratio, to the laptop's right.
QScreen* Projector() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return screens.size() == 2 ? screens.last() : nullptr;
}

}  // namespace

// A window comes up on the screen given, laid out at its dpi from its
// top-left corner; an input box asked from it opens over it, on its screen,
// centred across and a third down.
TEST(ScreenPair, WindowsAndBoxesFollowTheScreenTheyAreOn) {
    QScreen* projector = Projector();
    ASSERT_NE(projector, nullptr);
    controls::FormWindow window(form::kMainWindow, projector);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.screen(), projector);
    const form::PixelRect place =
        form::TwipsToPixels(form::kMainWindow.client, controls::LogicalDpi(projector));
    EXPECT_EQ(window.geometry(), QRect(projector->geometry().topLeft() + QPoint(place.x, place.y),
                                       QSize(place.width, place.height)));
    QTimer::singleShot(0, [projector] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const QRect area = projector->geometry();
        EXPECT_EQ(box->screen(), projector);
        EXPECT_NEAR(box->geometry().center().x(), area.center().x(), 2);
        EXPECT_NEAR(box->geometry().center().y(), area.y() + area.height() / 3, 2);
        box->reject();
    });
    controls::ModalBoxes boxes;
    EXPECT_EQ(boxes.AskText("人数は？", "設定", "100"), "");
}

// Moved after a run to a screen of another pixel ratio, the main window draws
// its graph again from what it holds: the same pixels as a window that ran
// there from the start.
TEST(ScreenPair, TheGraphIsDrawnAgainCrispOnAScreenOfAnotherRatio) {
    QScreen* projector = Projector();
    ASSERT_NE(projector, nullptr);
    ScriptedProgram moved;
    moved.shell.TakeSteps();
    ASSERT_TRUE(QTest::qWaitFor([&] { return moved.asked == 2; }));
    QWidget* window = moved.shell.Window("main");
    Child<QPushButton>(window, "startButton")->click();
    window->windowHandle()->setScreen(projector);
    ASSERT_EQ(window->devicePixelRatioF(), 2.0);
    const QImage image = Child<controls::PictureArea>(window, "graph")->Image();
    EXPECT_EQ(image.size(), QSize(533, 381) * 2);
    delete window;

    ScriptedProgram there;
    there.shell.TakeSteps();
    ASSERT_TRUE(QTest::qWaitFor([&] { return there.asked == 2; }));
    QWidget* fresh = there.shell.Window("main");
    fresh->windowHandle()->setScreen(projector);
    Child<QPushButton>(fresh, "startButton")->click();
    EXPECT_TRUE(Child<controls::PictureArea>(fresh, "graph")->Image() == image);
    delete fresh;
}

}  // namespace widget_tests
