#pragma once

#include <QPointer>

#include "help_window/help_window.h"
#include "main_window/main_window.h"

namespace app {

// Makes the program's windows and passes it from one to the other. Each
// window is deleted when closed from its title bar, and with no window left
// the program ends.
class ProgramWindows final {
public:
    ProgramWindows(controls::Dialogs& dialogs, controls::ProgramExit& exit, engine::Clock& clock,
                   engine::RandomSource& random, sound::ChimePlayer& chimes);

    // Loads a fresh main window, shows it and makes it active.
    void ShowMainWindow();
    // Loads the help window if need be, shows it and makes it active.
    void ShowHelpWindow();

    QWidget* MainWindow() const { return mainWindow_; }
    QWidget* HelpWindow() const { return helpWindow_; }

private:
    controls::Dialogs& dialogs_;
    controls::ProgramExit& exit_;
    engine::Clock& clock_;
    engine::RandomSource& random_;
    sound::ChimePlayer& chimes_;
    QPointer<main_window::MainWindow> mainWindow_;
    QPointer<help_window::HelpWindow> helpWindow_;
};

}  // namespace app
