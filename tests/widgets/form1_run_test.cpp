#include "widgets/fakes.h"

namespace widget_tests {

TEST_F(ShownForm, RunShowsTheMeanAndHoldsTheButtonsMeanwhile) {
    const auto held = [&] {
        return std::tuple(form.Command2->isEnabled(), form.Command3->isEnabled(),
                          form.cursor().shape());
    };
    onRandomize = [&](int) { EXPECT_EQ(held(), std::tuple(false, false, Qt::WaitCursor)); };
    // A click queued behind the run must not start a second one from inside it.
    QMetaObject::invokeMethod(form.Command1, &QPushButton::click, Qt::QueuedConnection);
    form.Command1_Click();
    QCoreApplication::processEvents();

    EXPECT_EQ(randomizeCalls, 100);  // the counts answered: 35 guests, 100 trials
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-35.0"));  // all tails
    EXPECT_EQ(held(), std::tuple(true, true, Qt::ArrowCursor));
    EXPECT_FALSE(form.Command1->isEnabled());
    const QImage& graph = form.Picture1->Image();  // bars of light blue stand on the axis
    EXPECT_GT(CountPixels(graph, graph.rect(), qRgb(0, 0, 255)), 0);
}

TEST_F(ShownForm, CountsAreAskedOnlyWhenFirstShown) {
    EXPECT_EQ(form.Label82->text() + form.Label2->text(), QStringLiteral("35100"));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QCoreApplication::processEvents();  // runs whatever the activation queued
    EXPECT_EQ(inputCalls, 2);
}

}  // namespace widget_tests
