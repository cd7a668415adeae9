#include <QApplication>
#include <array>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "main_window/qt_sound_device.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

std::vector<std::string> ChimeThen(const char* file, std::vector<std::string> after) {
    std::vector<std::string> writes = {"Command=Stop", "Command=Close",
                                       std::string("FileName=") + file, "Command=Open",
                                       "Command=Sound"};
    writes.insert(writes.end(), after.begin(), after.end());
    return writes;
}

const std::string kQuitQuestion = "MsgBox 終了していいですか？ 4 ペルナムの実験";

}  // namespace

class Commands : public ShownForm {
protected:
    void SetUp() override {
        ShownForm::SetUp();
        form.Command1_Click();
        log.clear();
    }
    std::array<bool, 4> Enabled() const {
        return {form.Command1->isEnabled(), form.Command2->isEnabled(), form.Command3->isEnabled(),
                form.Command4->isEnabled()};
    }
    int GraphInk() const {
        const QImage& graph = form.Picture1->Image();
        const QRgb back = form.Picture1->palette().color(QPalette::Window).rgb();
        return graph.width() * graph.height() - CountPixels(graph, graph.rect(), back);
    }
};

TEST_F(Commands, QuitAnsweredNoChangesNothing) {
    const auto before = std::tuple(Enabled(), form.Label82->text(), form.Label2->text(),
                                   form.Label3->text(), form.Picture1->Image());
    yesNo = {main_window::kNo};
    form.Command2_Click();
    EXPECT_EQ(log, ChimeThen("endpinpon.wav", {kQuitQuestion}));
    EXPECT_EQ(form.State().ConfirmAnswer, main_window::kNo);
    EXPECT_EQ(std::tuple(Enabled(), form.Label82->text(), form.Label2->text(), form.Label3->text(),
                         form.Picture1->Image()),
              before);
}

TEST_F(Commands, InitializeClearsEverythingThenAsksAgain) {
    ASSERT_GT(GraphInk(), 0);
    answers = {"20", "5"};
    onInput = [&](std::string_view) {
        if (inputCalls == 3) {  // all is cleared before the first question
            EXPECT_EQ(form.Label82->text() + form.Label2->text() + form.Label3->text(), "");
            EXPECT_EQ(GraphInk(), 0);
            EXPECT_EQ(Enabled(), (std::array{true, true, true, true}));
        }
    };
    form.Command3_Click();
    EXPECT_EQ(log, ChimeThen("pinpon.wav",
                             {"InputBox  お客人数の設定 [100]", "InputBox  実験回数の設定 [100]"}));
    EXPECT_EQ(form.Label82->text() + "/" + form.Label2->text() + "/" + form.Label3->text(),
              QStringLiteral("20/5/"));
    form.Command1_Click();  // the new counts take effect
    EXPECT_EQ(randomizeCalls, 100 + 5);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-20.0"));
}

TEST_F(Commands, HelpChimesThenUnloadsTheWindowAndHandsOver) {
    form.Command4_Click();
    EXPECT_EQ(log, ChimeThen("pinpon.wav", {"ShowHelpWindow"}));
    EXPECT_TRUE(form.Command1->isEnabled());
    EXPECT_FALSE(form.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

// The run lets input through once as it starts; a help click waiting then is
// handled after the run instead of unloading the window under it.
TEST_F(ShownForm, HelpClickedAsTheRunStartsWaitsForIt) {
    QMetaObject::invokeMethod(form.Command4, &QPushButton::click, Qt::QueuedConnection);
    form.Command1_Click();
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-35.0"));
    EXPECT_TRUE(log.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(log.back(), "ShowHelpWindow");
}

// The real sound device with no sound server, an unreadable file and a
// missing one: the commands go on at once, and nothing but the boxes shows.
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
    form.Command2_Click();
    form.Command3_Click();
    form.Command2_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(outside.log,
              (std::vector<std::string>{kQuitQuestion, "InputBox  お客人数の設定 [100]",
                                        "InputBox  実験回数の設定 [100]", kQuitQuestion}));
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible() && window != &form) << window->metaObject()->className();
    }
}

}  // namespace widget_tests
