#include <QScreen>

#include "controls/form_window.h"
#include "controls/on_screen.h"
#include "controls/window_metrics.h"
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
