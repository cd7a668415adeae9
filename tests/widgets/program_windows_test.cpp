#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/program_windows.h"
#include "main_window/qt_dialogs.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

// The program's windows over the scripted outside.
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

int Ink(const QImage& image, QRect rows) {
    return rows.width() * rows.height() - CountPixels(image, rows, qRgb(255, 255, 255));
}

}  // namespace

TEST(HandOver, HelpAndBackGiveAFreshMainWindowThatAsksAgain) {
    Program program;
    program.answers = {"35", "100", "40", "7"};
    program.windows.ShowMainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.inputCalls == 2; }));
    const QPointer<main_window::Form1> first = program.windows.MainWindow();
    first->Command1_Click();

    QImage firstPrinting;
    for (int visit = 0; visit < 2; ++visit) {
        program.windows.MainWindow()->Command4->click();
        EXPECT_EQ(program.LoadedWindows(), 1);
        help_window::Form2* help = program.windows.HelpWindow();
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Ink(help->Picture1->Image(), {}) != 0; }))
            << "the help text is printed when the window becomes active";
        const QImage printed = help->Picture1->Image();
        if (visit == 0) {
            firstPrinting = printed;
        } else {
            EXPECT_EQ(printed, firstPrinting) << "printed afresh, not appended";
        }
        help->Command1->click();
        EXPECT_EQ(program.LoadedWindows(), 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return program.inputCalls == 4 + 2 * visit; }));
        program.answers = {"40", "7"};
    }
    EXPECT_TRUE(first.isNull());
    main_window::Form1* again = program.windows.MainWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Label82->text() + "/" + again->Label2->text() + "/" + again->Label3->text(),
              QStringLiteral("40/7/"));
    for (QPushButton* button :
         {again->Command1, again->Command2, again->Command3, again->Command4}) {
        EXPECT_TRUE(button->isEnabled());
    }
    const QImage& graph = again->Picture1->Image();
    EXPECT_EQ(
        CountPixels(graph, graph.rect(), again->Picture1->palette().color(QPalette::Window).rgb()),
        graph.width() * graph.height());
    delete again;
}

// Ending the program and closing its last window are tried in a child process.
class Ending : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// Ends with 0 only if `End` never returns.
[[noreturn]] void ReturnedFromEnd() {
    std::fputs("End returned\n", stderr);
    std::exit(3);
}

TEST_F(Ending, QuitAnsweredYesEndsAtOnce) {
    EXPECT_EXIT(
        {
            Outside outside;
            outside.yesNo = {main_window::kYes};
            main_window::ProcessProgram process;
            main_window::Form1 form(
                {outside, process, outside, outside, outside.newControl, outside});
            form.Command2_Click();
            ReturnedFromEnd();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Ending, EmptyAnswerConfirmedDuringInitializeEndsAtOnce) {
    EXPECT_EXIT(
        {
            Outside outside;
            outside.answers = {""};
            outside.yesNo = {main_window::kYes};
            main_window::ProcessProgram process;
            main_window::Form1 form(
                {outside, process, outside, outside, outside.newControl, outside});
            form.Command3_Click();
            ReturnedFromEnd();
        },
        ::testing::ExitedWithCode(0), "");
}

// Closing from the title bar runs no handler, shows no other window, and with
// no window left the event loop ends: exit code 0 and an empty chime log.
TEST_F(Ending, ClosingEitherWindowEndsTheProgramSilently) {
    for (const bool viaHelp : {false, true}) {
        EXPECT_EXIT(
            {
                Program program;
                program.onInput = [&](std::string_view) {
                    if (program.inputCalls == 2) {
                        QTimer::singleShot(0, [&] {
                            program.log.clear();
                            if (viaHelp) {
                                program.windows.ShowHelpWindow();
                                program.windows.MainWindow()->hide();
                            }
                            QWidget* last =
                                viaHelp ? static_cast<QWidget*>(program.windows.HelpWindow())
                                        : program.windows.MainWindow();
                            last->close();
                        });
                    }
                };
                program.windows.ShowMainWindow();
                QApplication::exec();
                std::exit(program.log.empty() && program.inputCalls == 2 ? 0 : 4);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

}  // namespace widget_tests
