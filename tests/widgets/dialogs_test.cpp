#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTimer>

#include "main_window/qt_dialogs.h"
#include "widgets/fakes.h"

namespace widget_tests {

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

// The yes/no box answers only through its buttons; the input box gives the
// typed text on OK and nothing on any other way out.
TEST(QtDialogsTest, BoxesAnswerOnlyAsIntended) {
    using main_window::YesNoBox;
    main_window::QtDialogs dialogs;
    for (const auto& [button, expected] :
         {std::pair(&YesNoBox::YesButton, 6), std::pair(&YesNoBox::NoButton, 7)}) {
        WhenModal<YesNoBox>([button = button](YesNoBox* box) {
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->defaultButton(), box->YesButton());
            QTest::keyClick(box, Qt::Key_Escape);  // Qt's own box would answer No
            EXPECT_FALSE(box->close());
            QTest::mouseClick((box->*button)(), Qt::LeftButton);
        });
        EXPECT_EQ(dialogs.MsgBox("終了していいですか？", main_window::kYesNo, "確認"), expected);
    }

    using B = QDialogButtonBox;
    const std::vector<std::pair<void (*)(QInputDialog*), std::string>> rows{
        {[](QInputDialog* box) { box->findChild<B*>()->button(B::Ok)->click(); }, "３５"},
        {[](QInputDialog* box) { box->findChild<B*>()->button(B::Cancel)->click(); }, ""},
        {[](QInputDialog* box) { QTest::keyClick(box, Qt::Key_Escape); }, ""},
        {[](QInputDialog* box) { box->close(); }, ""}};
    for (const auto& [leave, expected] : rows) {
        WhenModal<QInputDialog>([leave = leave](QInputDialog* box) {
            EXPECT_EQ(box->labelText(), QStringLiteral("人数は？"));
            auto* edit = box->findChild<QLineEdit*>();
            EXPECT_EQ(edit->selectedText().toStdString() + edit->text().toStdString(), "100100");
            edit->insert(QStringLiteral("３５"));  // replaces the selection, as typing does
            leave(box);
        });
        EXPECT_EQ(dialogs.InputBox("人数は？", "設定", "100"), expected);
    }
}

}  // namespace widget_tests
