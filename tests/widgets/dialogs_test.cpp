#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "main_window/qt_dialogs.h"

namespace widget_tests {
namespace {

using main_window::YesNoBox;

// Acts on the modal box once its event loop runs; whatever is still open
// afterwards is closed so that a failure cannot hang the run.
template <typename Box>
void WhenModal(std::function<void(Box*)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* box = qobject_cast<Box*>(QApplication::activeModalWidget())) {
            act(box);
        } else {
            ADD_FAILURE() << "no modal box of the expected kind";
        }
        if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            open->done(QDialog::Rejected);
        }
    });
}

// Keys go to the focused control first, as typing sends them.
void Press(QWidget* box, Qt::Key key) {
    QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, key);
}

TEST(MsgBoxTest, OnlyItsButtonsAnswer) {
    const std::vector<std::tuple<const char*, std::function<void(YesNoBox*)>, int>> rows{
        {"yes", [](YesNoBox* box) { QTest::mouseClick(box->YesButton(), Qt::LeftButton); }, 6},
        {"no", [](YesNoBox* box) { QTest::mouseClick(box->NoButton(), Qt::LeftButton); }, 7},
        {"enter takes the default", [](YesNoBox* box) { Press(box, Qt::Key_Return); }, 6},
        {"escape and close ignored",
         [](YesNoBox* box) {
             Press(box, Qt::Key_Escape);
             EXPECT_FALSE(box->close());
             EXPECT_TRUE(box->isVisible());
             EXPECT_EQ(box->clickedButton(), nullptr);
             box->YesButton()->click();
         },
         6},
    };
    main_window::QtDialogs dialogs;
    for (const auto& [name, act, expected] : rows) {
        SCOPED_TRACE(name);
        WhenModal<YesNoBox>([&act = act](YesNoBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("確認"));
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->defaultButton(), box->YesButton());
            act(box);
        });
        EXPECT_EQ(dialogs.MsgBox("終了していいですか？", main_window::kYesNo, "確認"), expected);
    }
}

void Click(QInputDialog* box, QDialogButtonBox::StandardButton which) {
    QTest::mouseClick(box->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

TEST(InputBoxTest, ShowsTheQuestionAndGivesTheAnswer) {
    using Leave = void (*)(QInputDialog*);
    const Leave ok = [](QInputDialog* box) { Click(box, QDialogButtonBox::Ok); };
    const Leave cancel = [](QInputDialog* box) { Click(box, QDialogButtonBox::Cancel); };
    const Leave escape = [](QInputDialog* box) { Press(box, Qt::Key_Escape); };
    const Leave closeBox = [](QInputDialog* box) { box->close(); };
    const std::vector<std::tuple<const char*, const char*, Leave, std::string>> rows{
        {"default", "", ok, "100"},    {"typed", "35", ok, "35"},
        {"UTF-8", "３５", ok, "３５"}, {"cancel", "35", cancel, ""},
        {"escape", "35", escape, ""},  {"close box", "35", closeBox, ""},
    };
    const char* prompt = "10以上1000以下の整数を入力してください．．．";
    main_window::QtDialogs dialogs;
    for (const auto& [name, typed, leave, expected] : rows) {
        SCOPED_TRACE(name);
        WhenModal<QInputDialog>([&, typed = typed, leave = leave](QInputDialog* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral(" お客人数の設定"));
            EXPECT_EQ(box->labelText(), QString::fromUtf8(prompt));
            auto* edit = box->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->text(), QStringLiteral("100"));
            EXPECT_EQ(edit->selectedText(), QStringLiteral("100"));
            if (*typed != '\0') {
                edit->insert(QString::fromUtf8(typed));  // replaces the selection, as typing does
            }
            leave(box);
        });
        EXPECT_EQ(dialogs.InputBox(prompt, " お客人数の設定", "100"), expected);
    }
}

}  // namespace
}  // namespace widget_tests
