#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <ostream>
#include <vector>

#include "main_window/form1.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

// Runs everything queued so far, zero-delay timers included.
bool Flush() {
    bool reached = false;
    QTimer::singleShot(0, [&reached] { reached = true; });
    return QTest::qWaitFor([&reached] { return reached; });
}

struct RunCase {
    std::vector<float> draws;
    std::int16_t customers;
    std::int16_t trials;
    const char* mean;
    // Keeps the discovered test names stable and readable.
    friend void PrintTo(const RunCase& run, std::ostream* out) { *out << "mean " << run.mean; }
};

class ShownForm : public ::testing::Test {
protected:
    // Shown first, as in use: a hidden window has not sized its picture yet.
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.inputCalls == 2; }));
        ASSERT_TRUE(Flush());
    }

    ScriptedDialogs dialogs{{"35", "100"}};
    ThrowingProgram program;
    FixedClock clock;
    ScriptedRandom random;
    main_window::Form1 form{{dialogs, program, clock, random}};
};

class Form1Run : public ShownForm, public ::testing::WithParamInterface<RunCase> {};

TEST_P(Form1Run, ShowsTheMeanAndTheGraphThenSettlesTheButtons) {
    const RunCase& run = GetParam();
    random.draws = run.draws;
    form.State().CustomerCount = run.customers;
    form.State().TrialCount = run.trials;
    form.Command4->setEnabled(false);
    int busySeeds = 0;
    random.onRandomize = [&] {
        busySeeds += !form.Command2->isEnabled() && !form.Command3->isEnabled() &&
                     form.cursor().shape() == Qt::WaitCursor;
    };
    const QImage blank = form.Picture1->Image();

    form.Command1_Click();

    EXPECT_EQ(busySeeds, run.trials);
    EXPECT_EQ(form.Label3->text().toStdString(), run.mean);
    EXPECT_FALSE(form.Command1->isEnabled());
    EXPECT_TRUE(form.Command2->isEnabled());
    EXPECT_TRUE(form.Command3->isEnabled());
    EXPECT_FALSE(form.Command4->isEnabled());
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);

    const QImage& drawn = form.Picture1->Image();
    ASSERT_EQ(drawn.size(), QSize(533, 381));
    EXPECT_NE(drawn, blank);
    const QRect baseline(0, form.Picture1->ToDevice(0, 280).y(), 533, 1);
    EXPECT_GT(CountPixels(drawn, baseline, qRgb(0, 0, 255)), 0);
}

INSTANTIATE_TEST_SUITE_P(Draws, Form1Run,
                         ::testing::Values(RunCase{{0.75F}, 10, 3, "-10.0"},
                                           RunCase{{0.25F}, 10, 3, "1.0"},
                                           RunCase{{0.25F, 0.75F}, 20, 2, ".0"}));

TEST_F(ShownForm, ClickQueuedBehindARunStartsNoSecondRun) {
    form.State().CustomerCount = 10;
    form.State().TrialCount = 4;
    const QPointF at = QRectF(form.Command1->rect()).center();
    const QPointF global = form.Command1->mapToGlobal(at);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const auto held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(form.Command1,
                                    new QMouseEvent(type, at, global, Qt::LeftButton, held, {}));
    }
    form.Command1_Click();
    ASSERT_TRUE(Flush());
    EXPECT_EQ(random.randomizeCalls, 4);
}

TEST_F(ShownForm, CountsAreAskedOnlyWhenFirstShown) {
    EXPECT_EQ(form.Label82->text(), QStringLiteral("35"));
    EXPECT_EQ(form.Label2->text(), QStringLiteral("100"));

    // Coming back from another window asks nothing.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(Flush());
    EXPECT_EQ(dialogs.inputCalls, 2);
}

}  // namespace
}  // namespace widget_tests
