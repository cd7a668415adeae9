#pragma once

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <string_view>

#include "controls/dialogs.h"
#include "controls/form_window.h"
#include "engine/clock.h"
#include "engine/random_source.h"
#include "program/program_model.h"
#include "sound/chime_player.h"

namespace app {

// The desktop edition around the program: it takes the program's steps with
// Qt's windows, boxes and pointer, the chime player and the end of the
// process, and tells the program what the user does. The window on screen is
// deleted when closed from its title bar, and with no window left the
// program ends.
class ProgramShell final : public QObject {
public:
    ProgramShell(controls::Dialogs& dialogs, controls::ProgramExit& exit, engine::Clock& clock,
                 engine::RandomSource& random, sound::ChimePlayer& chimes);

    // Takes the steps that are there, the first of them the main window's
    // showing; the rest follows from the event loop.
    void TakeSteps();

    // The window of that name while it is on screen, else null.
    controls::FormWindow* Window(std::string_view name) const;

private:
    void Take(const program::Step& step);
    void Show(std::string_view name);

    controls::Dialogs& dialogs_;
    controls::ProgramExit& exit_;
    sound::ChimePlayer& chimes_;
    program::ProgramModel model_;
    QPointer<controls::FormWindow> window_;
    QPointer<QScreen> screen_;
    // Steps are taken by one loop at a time: a command clicked while a run
    // lets input through is queued by the program, and this loop takes it.
    bool taking_ = false;
};

}  // namespace app
