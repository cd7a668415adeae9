#include <QAccessible>
#include <QApplication>

#include "help_window/form2.h"
#include "widgets/fakes.h"

namespace widget_tests {
namespace {

QString Spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void Tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

TEST_F(ShownForm, ScreenReaderHearsCaptionsValuesAndTheGraphsOutcome) {
    const std::pair<QWidget*, const char*> before[] = {
        {form.Command1, "実験開始"},     {form.Command2, "終了"},
        {form.Command3, "初期化"},       {form.Command4, "HELP"},
        {form.Label82, "お客人数　35"},  {form.Label2, "実験回数　100"},
        {form.Label3, "不足枚数の平均"}, {form.Picture1, "度数分布のグラフ"}};
    for (const auto& [widget, name] : before) {
        EXPECT_EQ(Spoken(widget), QString::fromUtf8(name));
    }
    form.Command1_Click();
    EXPECT_EQ(Spoken(form.Label3), QStringLiteral("不足枚数の平均　-35.0"));
    EXPECT_EQ(Spoken(form.Picture1),
              QStringLiteral("度数分布のグラフ　実験回数 100回　不足枚数の平均 -35.0"));

    // Initialize forgets the outcome before it asks again.
    answers = {"20", "5"};
    onInput = [&](std::string_view) {
        EXPECT_EQ(Spoken(form.Picture1), QStringLiteral("度数分布のグラフ"));
        EXPECT_EQ(Spoken(form.Label3), QStringLiteral("不足枚数の平均"));
    };
    form.Command3_Click();
    EXPECT_EQ(Spoken(form.Label2), QStringLiteral("実験回数　5"));
}

TEST_F(ShownForm, KeysPressTheFocusedButtonAndFocusShows) {
    // Focus moved by the keyboard is drawn, on the buttons and the graph area.
    for (QWidget* control : std::initializer_list<QWidget*>{form.Command2, form.Command3,
                                                            form.Picture1, form.Command4}) {
        const QImage unfocused = control->grab().toImage();
        Tab();
        ASSERT_EQ(QApplication::focusWidget(), control);
        EXPECT_NE(control->grab().toImage(), unfocused) << control->metaObject()->className();
    }

    Tab();  // the start button: Enter runs the experiment
    QTest::keyClick(form.Command1, Qt::Key_Return);
    EXPECT_EQ(form.Label3->text(), QStringLiteral("-35.0"));
    Tab();  // quit: Space asks, answered No
    yesNo = {7};
    QTest::keyClick(form.Command2, Qt::Key_Space);
    EXPECT_EQ(log.back(), "MsgBox 終了していいですか？ 4 ペルナムの実験");
}

TEST(HelpWindowAccess, TextAreaGivesAScreenReaderTheWholeText) {
    Outside outside;
    help_window::Form2 help{outside};
    auto* area = QAccessible::queryAccessibleInterface(help.Picture1);
    EXPECT_EQ(area->text(QAccessible::Name), QStringLiteral("設問と操作方法"));
    const QString text = area->text(QAccessible::Description);
    EXPECT_TRUE(text.startsWith(QStringLiteral("【問　　題】\n"))) << text.toStdString();
    EXPECT_EQ(text.count(QLatin1Char('\n')), 27);  // 29 lines, the first one empty
    help.Command1->setFocus();
    QTest::keyClick(help.Command1, Qt::Key_Enter);
    EXPECT_EQ(outside.log, std::vector<std::string>{"ShowMainWindow"});
    QCoreApplication::removePostedEvents(&help, QEvent::DeferredDelete);  // owned by the test
}

}  // namespace
}  // namespace widget_tests
