#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>

#include "engine/checked.h"
#include "engine/system_clock.h"
#include "engine/uniform_generator.h"
#include "main_window/coin_icon.h"
#include "main_window/form1.h"
#include "main_window/qt_dialogs.h"

namespace {

void ShowRunTimeError(const char* message) {
    QMessageBox::critical(nullptr, QStringLiteral("ペルナムの実験"),
                          QStringLiteral("実行時エラー: %1").arg(QString::fromUtf8(message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(main_window::DrawCoinIcon(32))));
    engine::SetCheckFailureHook(&ShowRunTimeError);

    main_window::QtDialogs dialogs;
    main_window::ProcessProgram program;
    engine::SystemClock clock;
    engine::UniformGenerator random;
    auto* form1 = new main_window::Form1({dialogs, program, clock, random});
    form1->setAttribute(Qt::WA_DeleteOnClose);
    form1->show();
    return QApplication::exec();
}
