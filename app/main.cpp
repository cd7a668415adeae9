#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>

#include "app/program_windows.h"
#include "engine/checked.h"
#include "engine/system_clock.h"
#include "engine/uniform_generator.h"
#include "main_window/coin_icon.h"
#include "main_window/qt_dialogs.h"
#include "main_window/qt_sound_device.h"

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// A machine without sound, or a chime that cannot be read, leaves the chimes
// silent without a word: they are a nicety, not something to fix.
void QuietAboutSound(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    for (const char* prefix : {"PulseAudioService:", "No audio device detected", "QSoundEffect"}) {
        if (message.startsWith(QLatin1String(prefix))) {
            return;
        }
    }
    defaultMessageHandler(type, context, message);
}

void ShowRunTimeError(const char* message) {
    QMessageBox::critical(nullptr, QStringLiteral("ペルナムの実験"),
                          QStringLiteral("実行時エラー: %1").arg(QString::fromUtf8(message)));
}

}  // namespace

int main(int argc, char* argv[]) {
    defaultMessageHandler = qInstallMessageHandler(&QuietAboutSound);
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(main_window::DrawCoinIcon(32))));
    engine::SetCheckFailureHook(&ShowRunTimeError);

    main_window::QtDialogs dialogs;
    main_window::ProcessProgram program;
    engine::SystemClock clock;
    engine::UniformGenerator random;
    // One sound device for the program's life: the help chime goes on
    // sounding after the main window that asked for it has gone.
    main_window::QtSoundDevice sound;
    const auto folders = main_window::ChimeSearchFolders();
    app::ProgramWindows windows(dialogs, program, clock, random, [&] {
        return std::make_unique<main_window::MMControl>(sound, folders);
    });
    windows.ShowMainWindow();
    return QApplication::exec();
}
