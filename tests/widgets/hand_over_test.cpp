#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/process_exit.h"
#include "app/program_windows.h"
#include "controls/modal_boxes.h"
#include "controls/window_lifecycle.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

struct Program : ScriptedServices {
    app::ProgramWindows windows{*this, *this, *this, *this, *this};
};

int LoadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::topLevelWidgets().size());
}

bool Blank(const QImage& image) {
    return CountPixels(image, image.rect(), image.pixel(0, 0)) == image.width() * image.height();
}

}  // namespace

TEST(HandOver, HelpAndBackGiveAFreshMainWindowThatAsksAgain) {
    Program program;
    program.windows.ShowMainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.asked == 2; }));
    const QPointer<QWidget> first = program.windows.MainWindow();
    Child<QPushButton>(first, "startButton")->click();

    QImage firstPrinting;
    for (int visit = 1; visit <= 2; ++visit) {
        program.answers = {"40", "7"};
        Child<QPushButton>(program.windows.MainWindow(), "helpButton")->click();
        EXPECT_EQ(LoadedWindows(), 1);
        QWidget* help = program.windows.HelpWindow();
        const QImage& text = Child<controls::PictureArea>(help, "helpText")->Image();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Blank(text); }));
        EXPECT_TRUE(visit == 1 || text == firstPrinting) << "printed afresh, not appended";
        firstPrinting = text;
        Child<QPushButton>(help, "closeButton")->click();
        EXPECT_EQ(LoadedWindows(), 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return program.asked == 2 + 2 * visit; }));
    }
    EXPECT_TRUE(first.isNull());
    QWidget* again = program.windows.MainWindow();
    EXPECT_EQ(
        Text(again, "customerCount") + Text(again, "trialCount") + Text(again, "meanShortage"),
        "407");
    EXPECT_TRUE(Child<QPushButton>(again, "startButton")->isEnabled());
    EXPECT_TRUE(Blank(Child<controls::PictureArea>(again, "graph")->Image()));
    delete again;
}

// Ending the program is tried in a child process: it must exit with 0 from
// inside the handler, and closing the last window must end the event loop
// without a chime or a question.
TEST(Ending, QuitYesOrEmptyAnswerYesEndAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const char* button : {"quitButton", "initializeButton"}) {
        EXPECT_EXIT(
            {
                ScriptedServices services;
                services.answers = {""};
                services.yesNo = {controls::Answer::Yes};
                app::ProcessExit process;
                main_window::MainWindow window(
                    {services, process, services, services, services, [] {}});
                Child<QPushButton>(&window, button)->click();
                std::fputs("the program went on\n", stderr);
                std::exit(3);
            },
            ::testing::ExitedWithCode(0), "")
            << button;
    }
}

TEST(Ending, ClosingEitherWindowEndsTheProgramSilently) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const bool help : {false, true}) {
        EXPECT_EXIT(
            {
                Program program;
                program.onAsk = [&](std::string_view) {
                    QTimer::singleShot(0, [&] {
                        if (program.asked < 2) {
                            return;
                        }
                        program.log.clear();
                        if (help) {
                            controls::UnloadWindow(*program.windows.MainWindow());
                            program.windows.ShowHelpWindow();
                        }
                        (help ? program.windows.HelpWindow() : program.windows.MainWindow())
                            ->close();
                    });
                };
                program.windows.ShowMainWindow();
                QApplication::exec();
                std::exit(program.log.empty() && program.asked == 2 ? 0 : 4);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace widget_tests
