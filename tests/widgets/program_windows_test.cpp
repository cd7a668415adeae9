#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/program_windows.h"
#include "main_window/qt_dialogs.h"
#include "main_window/window_lifecycle.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

struct Program : Outside {
    app::ProgramWindows windows{*this, *this, *this, *this, newControl};

    int LoadedWindows() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        int loaded = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            loaded += qobject_cast<main_window::Form1*>(window) != nullptr ||
                      qobject_cast<help_window::Form2*>(window) != nullptr;
        }
        return loaded;
    }
};

}  // namespace

TEST(HandOver, HelpAndBackGiveAFreshMainWindowThatAsksAgain) {
    Program program;
    program.windows.ShowMainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.inputCalls == 2; }));
    const QPointer<main_window::Form1> first = program.windows.MainWindow();
    first->Command1_Click();

    QImage firstPrinting;
    for (int visit = 1; visit <= 2; ++visit) {
        program.answers = {"40", "7"};
        program.windows.MainWindow()->Command4->click();
        EXPECT_EQ(program.LoadedWindows(), 1);
        help_window::Form2* help = program.windows.HelpWindow();
        ASSERT_NE(help, nullptr);
        const QImage& text = help->Picture1->Image();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return CountPixels(text, text.rect(), qRgb(255, 255, 255)) <
                   text.width() * text.height();
        }));
        if (visit == 1) {
            firstPrinting = text;
        } else {
            EXPECT_EQ(text, firstPrinting) << "printed afresh, not appended";
        }
        help->Command1->click();
        EXPECT_EQ(program.LoadedWindows(), 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return program.inputCalls == 2 + 2 * visit; }));
    }
    EXPECT_TRUE(first.isNull());
    main_window::Form1* again = program.windows.MainWindow();
    EXPECT_EQ(again->Label82->text() + "/" + again->Label2->text() + "/" + again->Label3->text(),
              QStringLiteral("40/7/"));
    EXPECT_TRUE(again->Command1->isEnabled());
    const QImage& graph = again->Picture1->Image();
    EXPECT_EQ(CountPixels(graph, graph.rect(), graph.pixel(0, 0)), graph.width() * graph.height());
    delete again;
}

// Ending the program is tried in a child process: it must exit with 0 from
// inside the handler, and closing the last window must end the event loop
// without a chime or a question.
TEST(Ending, QuitYesOrEmptyAnswerYesEndAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const bool quit : {true, false}) {
        EXPECT_EXIT(
            {
                Outside outside;
                outside.answers = {""};
                outside.yesNo = {main_window::kYes};
                main_window::ProcessProgram process;
                main_window::Form1 form(
                    {outside, process, outside, outside, outside.newControl, outside});
                quit ? form.Command2_Click() : form.Command3_Click();
                std::fputs("End returned\n", stderr);
                std::exit(3);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

TEST(Ending, ClosingEitherWindowEndsTheProgramSilently) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const bool help : {false, true}) {
        EXPECT_EXIT(
            {
                Program program;
                program.onInput = [&](std::string_view) {
                    if (program.inputCalls < 2) {
                        return;
                    }
                    QTimer::singleShot(0, [&] {
                        program.log.clear();
                        if (help) {
                            main_window::Unload(*program.windows.MainWindow());
                            program.windows.ShowHelpWindow();
                            program.windows.HelpWindow()->close();
                        } else {
                            program.windows.MainWindow()->close();
                        }
                    });
                };
                program.windows.ShowMainWindow();
                QApplication::exec();
                std::exit(program.log.empty() && program.inputCalls == 2 ? 0 : 4);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace widget_tests
