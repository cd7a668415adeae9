#include "app/program_windows.h"

#include "app/coin_icon.h"

namespace app {

ProgramWindows::ProgramWindows(controls::Dialogs& dialogs, controls::ProgramExit& exit,
                               engine::Clock& clock, engine::RandomSource& random,
                               sound::ChimePlayer& chimes)
    : dialogs_(dialogs), exit_(exit), clock_(clock), random_(random), chimes_(chimes) {}

void ProgramWindows::ShowMainWindow() {
    // The main window is always loaded anew: it comes back with its initial
    // properties and asks for both counts again.
    mainWindow_ = new main_window::MainWindow(
        {dialogs_, exit_, clock_, random_, chimes_, [this] { ShowHelpWindow(); }});
    mainWindow_->setWindowIcon(CoinIcon());
    mainWindow_->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow_->show();
}

void ProgramWindows::ShowHelpWindow() {
    if (helpWindow_.isNull()) {
        helpWindow_ = new help_window::HelpWindow([this] { ShowMainWindow(); });
        helpWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

}  // namespace app
