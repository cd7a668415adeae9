#include "app/program_windows.h"

#include <utility>

namespace app {

ProgramWindows::ProgramWindows(
    main_window::Dialogs& dialogs, main_window::Program& program, engine::Clock& clock,
    engine::RandomSource& random,
    std::function<std::unique_ptr<main_window::MultimediaControl>()> newMultimediaControl)
    : dialogs_(dialogs),
      program_(program),
      clock_(clock),
      random_(random),
      newMultimediaControl_(std::move(newMultimediaControl)) {}

void ProgramWindows::ShowMainWindow() {
    // The main window is always loaded anew: it comes back with its initial
    // properties and asks for both counts again.
    form1_ =
        new main_window::Form1({dialogs_, program_, clock_, random_, newMultimediaControl_, *this});
    form1_->setAttribute(Qt::WA_DeleteOnClose);
    form1_->show();
}

void ProgramWindows::ShowHelpWindow() {
    if (form2_.isNull()) {
        form2_ = new help_window::Form2(*this);
        form2_->setAttribute(Qt::WA_DeleteOnClose);
    }
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

}  // namespace app
