#include <QAccessible>
#include <array>
#include <tuple>

#include "widgets/fakes.h"

namespace widget_tests {
namespace {

class Commands : public ShownWindow {
protected:
    void SetUp() override {
        ShownWindow::SetUp();
        Button("startButton")->click();
        log.clear();
    }
    std::array<bool, 4> Enabled() const {
        return {Button("startButton")->isEnabled(), Button("quitButton")->isEnabled(),
                Button("initializeButton")->isEnabled(), Button("helpButton")->isEnabled()};
    }
    QString Values() const {
        return Text(&window, "customerCount") + "/" + Text(&window, "trialCount") + "/" +
               Text(&window, "meanShortage");
    }
    int GraphInk() const {
        const QImage& graph = Graph()->Image();
        const QRgb back = Graph()->palette().color(QPalette::Window).rgb();
        return graph.width() * graph.height() - CountPixels(graph, graph.rect(), back);
    }
};

}  // namespace

TEST_F(Commands, QuitAnsweredNoChangesNothing) {
    const auto before = std::tuple(Enabled(), Values(), Graph()->Image());
    yesNo = {main_window::Answer::No};
    Button("quitButton")->click();
    EXPECT_EQ(log, (std::vector<std::string>{"chime endpinpon.wav",
                                             "ペルナムの実験 終了していいですか？"}));
    EXPECT_EQ(std::tuple(Enabled(), Values(), Graph()->Image()), before);
}

TEST_F(Commands, InitializeClearsEverythingThenAsksAgain) {
    ASSERT_GT(GraphInk(), 0);
    answers = {"20", "5"};
    onAsk = [&](std::string_view) {
        if (asked == 3) {  // all is cleared before the first question
            EXPECT_EQ(Values(), "//");
            EXPECT_EQ(GraphInk(), 0);
            EXPECT_EQ(Enabled(), (std::array{true, true, true, true}));
            EXPECT_EQ(QAccessible::queryAccessibleInterface(Graph())->text(QAccessible::Name),
                      QStringLiteral("度数分布のグラフ"));
        }
    };
    Button("initializeButton")->click();
    EXPECT_EQ(log.front(), "chime pinpon.wav");
    EXPECT_EQ(Values(), QStringLiteral("20/5/"));
    Button("startButton")->click();  // the new counts take effect
    EXPECT_EQ(reseeds, 100 + 5);
    EXPECT_EQ(Text(&window, "meanShortage"), QStringLiteral("-20.0"));
}

TEST_F(Commands, HelpChimesThenUnloadsTheWindowAndHandsOver) {
    Button("helpButton")->click();
    EXPECT_EQ(log, (std::vector<std::string>{"chime pinpon.wav", "help window"}));
    EXPECT_FALSE(window.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

// The run lets input through once as it starts; a help click waiting then is
// handled after the run instead of unloading the window under it.
TEST_F(ShownWindow, HelpClickedAsTheRunStartsWaitsForIt) {
    QMetaObject::invokeMethod(Button("helpButton"), &QPushButton::click, Qt::QueuedConnection);
    Button("startButton")->click();
    EXPECT_EQ(Text(&window, "meanShortage"), QStringLiteral("-35.0"));
    EXPECT_TRUE(log.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(log.back(), "help window");
}

}  // namespace widget_tests
