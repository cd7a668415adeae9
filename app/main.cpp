#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/coin_icon.h"
#include "app/fault_box.h"
#include "app/process_exit.h"
#include "app/program_shell.h"
#include "controls/modal_boxes.h"
#include "controls/window_metrics.h"
#include "engine/fault.h"
#include "engine/system_clock.h"
#include "engine/uniform_generator.h"
#include "sound/chime_lookup.h"
#include "sound/chime_player.h"

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// A machine without sound, or a chime that cannot be read, leaves the chimes
// silent without a word: they are a nicety, not something to fix.
void QuietAboutSound(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    for (const char* prefix : {"PulseAudioService:", "No audio device detected"}) {
        if (message.startsWith(QLatin1String(prefix))) {
            return;
        }
    }
    defaultMessageHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    defaultMessageHandler = qInstallMessageHandler(&QuietAboutSound);
    QApplication application(argc, argv);
    // Without it a Wayland desktop would look for a menu entry named pernam3.
    QApplication::setDesktopFileName(QStringLiteral(PERNAM_APP_ID));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(app::DrawCoinIcon(32))));
    engine::SetFaultHook(&app::ShowFault);
    // Without a Japanese face every text shows as boxes; say why, and go on.
    if (const QString notice = controls::MissingFaceNotice(QFontDatabase::families());
        !notice.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(notice));
    }

    controls::ModalBoxes dialogs;
    app::ProcessExit exit;
    engine::SystemClock clock;
    engine::UniformGenerator random;
    // One player for the program's life: the help chime goes on sounding
    // after the main window that asked for it has gone.
    sound::QtChimePlayer chimes(
        sound::ChimeFolders(QCoreApplication::applicationDirPath().toStdString()));
    app::ProgramShell program(dialogs, exit, clock, random, chimes);
    program.TakeSteps();
    return QApplication::exec();
}
