#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "help_window/form2.h"
#include "main_window/form1.h"

namespace app {

// Makes the program's windows and passes it from one to the other. Each
// window is deleted when closed from its title bar, and with no window left
// the program ends.
class ProgramWindows final : public main_window::WindowSwitch {
public:
    ProgramWindows(
        main_window::Dialogs& dialogs, main_window::Program& program, engine::Clock& clock,
        engine::RandomSource& random,
        std::function<std::unique_ptr<main_window::MultimediaControl>()> newMultimediaControl);

    void ShowMainWindow() override;
    void ShowHelpWindow() override;

    main_window::Form1* MainWindow() const { return form1_; }
    help_window::Form2* HelpWindow() const { return form2_; }

private:
    main_window::Dialogs& dialogs_;
    main_window::Program& program_;
    engine::Clock& clock_;
    engine::RandomSource& random_;
    std::function<std::unique_ptr<main_window::MultimediaControl>()> newMultimediaControl_;
    QPointer<main_window::Form1> form1_;
    QPointer<help_window::Form2> form2_;
};

}  // namespace app
