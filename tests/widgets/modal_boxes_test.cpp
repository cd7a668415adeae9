#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTimer>

#include "controls/modal_boxes.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

// Acts on the modal box once its event loop runs, then hides it: that ends
// the loop without changing the answer, so a failure cannot hang the run.
template <typename Box>
void WhenModal(std::function<void(Box*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(box);
        box->hide();
    });
}

}  // namespace

// The yes/no box answers only through its buttons, Yes the default; a screen
// reader hears a modal alert with the question.
TEST(ModalBoxes, YesNoBoxAnswersOnlyThroughItsButtons) {
    controls::ModalBoxes boxes;
    for (const auto answer : {controls::Answer::Yes, controls::Answer::No}) {
        WhenModal<QMessageBox>([answer](QMessageBox* box) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
            EXPECT_EQ(std::tuple(spoken->role(), spoken->state().modal),
                      std::tuple(QAccessible::AlertMessage, true));
            EXPECT_EQ(spoken->text(QAccessible::Value), QStringLiteral("?"));
            QTest::keyClick(box, Qt::Key_Escape);  // Qt's own box would answer No
            EXPECT_FALSE(box->close());
            QTest::mouseClick(
                answer == controls::Answer::Yes ? box->defaultButton() : box->buttons().last(),
                Qt::LeftButton);
        });
        EXPECT_EQ(boxes.AskYesNo("?", "yes or no"), answer);
    }
}

// The input box is a dialog of the window that asked: title and close box
// only; minimised anyway, it comes back when that window is activated; for a
// double-click interval after it appears, clicks on its buttons are ignored
// while keys work at once. What is typed replaces the default; Escape gives
// nothing.
TEST(ModalBoxes, InputBoxStaysWithItsWindowAndIgnoresAnEarlySecondClick) {
    QWidget owner;
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    WhenModal<QInputDialog>([&owner](QInputDialog* box) {
        EXPECT_EQ(box->parentWidget(), &owner);
        EXPECT_EQ(
            box->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint),
            Qt::WindowFlags());
        auto* ok = box->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        // The second click of a double-click, through the window as a user's
        // click comes, onto the button.
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                          ok->mapTo(box, ok->rect().center()));
        EXPECT_NE(QApplication::focusWidget(), ok);
        EXPECT_TRUE(box->isVisible());
        box->showMinimized();
        owner.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([box] { return !box->isMinimized(); }));
        box->findChild<QLineEdit*>()->insert(QStringLiteral("３５"));  // as typing does
        QTest::keyClick(box, Qt::Key_Return);
    });
    controls::ModalBoxes boxes;
    EXPECT_EQ(boxes.AskText("人数は？", "設定", "100"), "３５");
    WhenModal<QInputDialog>([](QInputDialog* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(boxes.AskText("人数は？", "設定", "100"), "");
}

// The box is modal for a screen reader too. Its field answers text queries
// at every offset of the answers it may hold, for every kind of boundary,
// with the item it names; it is named by its prompt, the default selected,
// and one run without attributes spans it.
TEST(ModalBoxes, InputFieldAnswersEveryTextQuery) {
    controls::ModalBoxes boxes;
    WhenModal<QInputDialog>([](QInputDialog* box) {
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(box)->state().modal);
        auto* field = box->findChild<QLineEdit*>();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
        EXPECT_EQ(face->role(), QAccessible::EditableText);
        EXPECT_EQ(face->text(QAccessible::Name), box->labelText());
        QAccessibleTextInterface* text = face->textInterface();
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        EXPECT_EQ(text->text(start, end), QStringLiteral("100"));
        text->attributes(2, &start, &end);  // a reader reads the text run by run
        EXPECT_EQ(std::pair(start, end), std::pair(0, 3));
        for (const QString& answer : {QStringLiteral("100"), QStringLiteral("３５")}) {
            field->setText(answer);
            for (int offset = -2; offset <= answer.size(); ++offset) {
                for (const auto type :
                     {QAccessible::CharBoundary, QAccessible::WordBoundary,
                      QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                      QAccessible::LineBoundary, QAccessible::NoBoundary}) {
                    const QString got = text->textAtOffset(offset, type, &start, &end);
                    EXPECT_EQ(got, start < 0 ? QString() : answer.mid(start, end - start))
                        << offset << " " << type;
                }
            }
        }
    });
    boxes.AskText("人数は？", "設定", "100");
}

}  // namespace widget_tests
