#include <QApplication>
#include <array>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "main_window/qt_sound_device.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

std::vector<std::string> ChimeWrites(const char* file) {
    return {"Command=Stop", "Command=Close", std::string("FileName=") + file, "Command=Open",
            "Command=Sound"};
}

std::vector<std::string> Then(std::vector<std::string> first, const std::string& next) {
    first.push_back(next);
    return first;
}

}  // namespace

class Commands : public ShownForm {
protected:
    std::array<bool, 4> Enabled() const {
        return {form.Command1->isEnabled(), form.Command2->isEnabled(), form.Command3->isEnabled(),
                form.Command4->isEnabled()};
    }
    int GraphInk() const {
        const QImage& graph = form.Picture1->Image();
        return graph.width() * graph.height() -
               CountPixels(graph, graph.rect(),
                           form.Picture1->palette().color(QPalette::Window).rgb());
    }
    void Run() {
        form.Command1_Click();
        log.clear();
    }
};

TEST_F(Commands, QuitAnsweredNoChangesNothing) {
    Run();
    const auto before = std::tuple(Enabled(), form.Label82->text(), form.Label2->text(),
                                   form.Label3->text(), form.Picture1->Image());
    yesNo = {main_window::kNo};
    form.Command2_Click();
    EXPECT_EQ(log,
              Then(ChimeWrites("endpinpon.wav"), "MsgBox 終了していいですか？ 4 ペルナムの実験"));
    EXPECT_EQ(form.State().ConfirmAnswer, main_window::kNo);
    EXPECT_EQ(std::tuple(Enabled(), form.Label82->text(), form.Label2->text(), form.Label3->text(),
                         form.Picture1->Image()),
              before);
}

TEST_F(Commands, InitializeClearsEverythingThenAsksAgain) {
    Run();
    ASSERT_GT(GraphInk(), 0);
    answers = {"20", "5"};
    onInput = [&](std::string_view) {
        if (inputCalls == 1) {  // everything is cleared before the first question
            EXPECT_EQ(form.Label82->text() + form.Label2->text() + form.Label3->text(), "");
            EXPECT_EQ(GraphInk(), 0);
            EXPECT_TRUE(form.Command1->isEnabled());
        }
    };
    inputCalls = 0;
    form.Command3_Click();
    EXPECT_EQ(log, Then(Then(ChimeWrites("pinpon.wav"), "InputBox  お客人数の設定 [100]"),
                        "InputBox  実験回数の設定 [100]"));
    EXPECT_EQ(std::tuple(form.Label82->text(), form.Label2->text(), form.Label3->text()),
              std::tuple(QString("20"), QString("5"), QString()));
    EXPECT_EQ(Enabled(), (std::array{true, true, true, true}));
    EXPECT_EQ(form.Picture1->CurrentX() + form.Picture1->CurrentY(), 0.0F);

    onInput = [](std::string_view) {};
    randomizeCalls = 0;
    form.Command1_Click();  // the new counts take effect
    EXPECT_EQ(randomizeCalls, 5);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-20.0"));
}

TEST_F(Commands, HelpChimesThenUnloadsTheWindowAndHandsOver) {
    Run();
    form.Command4_Click();
    EXPECT_EQ(log, Then(ChimeWrites("pinpon.wav"), "ShowHelpWindow"));
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_FALSE(form.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(Commands, ButtonsFollowRunAndCommands) {
    using States = std::array<bool, 4>;
    EXPECT_EQ(Enabled(), (States{true, true, true, true}));  // loaded
    form.Command1_Click();
    EXPECT_EQ(Enabled(), (States{false, true, true, true}));  // after a run
    form.Command1->click();                                   // start stays off
    EXPECT_EQ(randomizeCalls, 100);
    yesNo = {main_window::kNo};
    form.Command2->click();
    EXPECT_EQ(Enabled(), (States{false, true, true, true}));  // quit answered No
    answers = {"10", "1"};
    form.Command3->click();
    EXPECT_EQ(Enabled(), (States{true, true, true, true}));  // initialize
}

// The run lets input through once as it starts; a help click waiting then is
// handled after the run instead of unloading the window under it.
TEST_F(Commands, HelpClickedAsTheRunStartsWaitsForIt) {
    QMetaObject::invokeMethod(form.Command4, &QPushButton::click, Qt::QueuedConnection);
    form.Command1_Click();
    EXPECT_EQ(randomizeCalls, 100);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-35.0"));
    EXPECT_EQ(std::count(log.begin(), log.end(), "ShowHelpWindow"), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(log.begin(), log.end(), "ShowHelpWindow"), 1);
}

// The real sound device with no sound server and with a file that is not a
// wave file: the commands go on at once, and nothing but the boxes shows.
TEST(RealChimes, FailSilently) {
    ASSERT_TRUE(qEnvironmentVariableIsSet("PULSE_SERVER"));  // points nowhere
    const std::string folder = ::testing::TempDir() + "/chimes_not_wave";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/endpinpon.wav") << "not a wave file";

    Outside outside;
    main_window::QtSoundDevice device;
    outside.newControl = [&] {
        return std::make_unique<main_window::MMControl>(device,
                                                        std::vector<std::filesystem::path>{folder});
    };
    main_window::Form1 form(outside.Services());
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return outside.inputCalls == 2; }));
    outside.log.clear();
    outside.yesNo = {main_window::kNo, main_window::kNo};
    outside.answers = {"35", "100"};
    form.Command2_Click();  // unreadable file
    form.Command3_Click();  // missing file
    form.Command2_Click();  // cuts off whatever is left of the last one
    QCoreApplication::processEvents();
    EXPECT_EQ(outside.log, (std::vector<std::string>{
                               "MsgBox 終了していいですか？ 4 ペルナムの実験",
                               "InputBox  お客人数の設定 [100]", "InputBox  実験回数の設定 [100]",
                               "MsgBox 終了していいですか？ 4 ペルナムの実験"}));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible() && window != &form) << window->metaObject()->className();
    }
}

}  // namespace widget_tests
