#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/fault_box.h"
#include "app/process_exit.h"
#include "engine/fault.h"
#include "form/texts.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

// Ending really ends the process here.
struct Program : ScriptedServices {
    app::ProcessExit process;
    app::ProgramShell shell{*this, process, *this, *this, *this};
};

int LoadedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::topLevelWidgets().size());
}

}  // namespace

// Help unloads the main window; back from help a fresh one asks again.
TEST(HandOver, HelpAndBackGiveAFreshMainWindowThatAsksAgain) {
    ScriptedProgram program;
    program.shell.TakeSteps();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.asked == 2; }));
    const QPointer<QWidget> first = program.shell.Window("main");
    Child<QPushButton>(first, "startButton")->click();

    program.answers = {"40", "7"};
    Child<QPushButton>(first, "helpButton")->click();
    EXPECT_EQ(LoadedWindows(), 1);
    Child<QPushButton>(program.shell.Window("help"), "closeButton")->click();
    EXPECT_EQ(LoadedWindows(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.asked == 4; }));
    EXPECT_TRUE(first.isNull());
    QWidget* again = program.shell.Window("main");
    EXPECT_EQ(Values(again), "40/7/");
    EXPECT_EQ(AreaInk(Child<controls::PictureArea>(again, "graph")), 0);
    delete again;
}

// Each way out, tried in a child process once both counts are in: quit and
// an empty answer end from inside the handler, closing the last window ends
// the event loop without a chime or a question.
TEST(Ending, EveryWayOutEndsTheProgramAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::pair<const char*, void (*)(Program&)> ways[] = {
        {"quit, Yes",
         [](Program& p) { Child<QPushButton>(p.shell.Window("main"), "quitButton")->click(); }},
        {"initialize, an empty answer, Yes",
         [](Program& p) {
             p.answers = {""};
             Child<QPushButton>(p.shell.Window("main"), "initializeButton")->click();
         }},
        {"closing the main window", [](Program& p) { p.shell.Window("main")->close(); }},
        {"closing the help window",
         [](Program& p) {
             Child<QPushButton>(p.shell.Window("main"), "helpButton")->click();
             p.log.clear();
             p.shell.Window("help")->close();
         }},
    };
    for (const auto& [way, leave] : ways) {
        const auto run = [leave = leave] {
            Program program;
            program.yesNo = {controls::Answer::Yes};
            program.onAsk = [&](std::string_view) {
                if (program.asked == 2) {
                    QTimer::singleShot(0, [&] {
                        program.log.clear();
                        leave(program);
                        QTimer::singleShot(1000, [] { std::exit(3); });  // it went on
                    });
                }
            };
            program.shell.TakeSteps();
            QApplication::exec();
            std::exit(program.log.empty() ? 0 : 4);
        };
        EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "") << way;
    }
}

// A run outside the counts shows the fault in a box, then the program stops.
TEST(FaultDeathTest, ABadRunSizeShowsTheFaultBeforeTheProgramStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string shown = "box " + std::string(form::texts::kQuitTitle) + ": " +
                              std::string(form::texts::kFaultBefore) + "a run needs 10 to 1000";
    EXPECT_DEATH(
        {
            engine::SetFaultHook(&app::ShowFault);
            QTimer::singleShot(0, [] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                std::fprintf(stderr, "box %s: %s\n", qPrintable(box->windowTitle()),
                             qPrintable(box->text()));
                box->accept();
            });
            ScriptedServices services;
            engine::RunExperiment({9, 1}, services, services);
        },
        shown);
}

}  // namespace widget_tests
